-- Starter catalogue: hand-written records of well-known functions, types and
-- constants. VB declarations carry no access word; C# declarations are the
-- attribute line, CR LF, then "static extern ...". Line breaks inside a value
-- are CR LF, written as char(13, 10).
--
-- Two rows hold deliberate quirks that the application must cope with:
--   * GetSystemMetrics stores win95 as lower-case 'yes' (the function does
--     exist on Windows 95); only the exact word 'Yes' ticks the check box.
--   * LZOpenFile has no C# declaration (CSharp is NULL).
-- Every other value is meant to be correct.

-- kernel32
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('GetTickCount', 4, 'kernel32', 'Yes', 'Yes', '返回自系统启动以来经过的毫秒数。',
 'Declare Function GetTickCount Lib "kernel32" () As Long',
 '[DllImport("kernel32.dll")]' || char(13, 10) || 'static extern uint GetTickCount();',
 '', '', 'Long，系统启动后经过的毫秒数', '', ''),
('Sleep', 14, 'kernel32', 'Yes', 'Yes', '将当前线程挂起指定的毫秒数。',
 'Declare Sub Sleep Lib "kernel32" (ByVal dwMilliseconds As Long)',
 '[DllImport("kernel32.dll")]' || char(13, 10) || 'static extern void Sleep(uint dwMilliseconds);',
 'dwMilliseconds：挂起的时间，以毫秒为单位；INFINITE（&HFFFFFFFF）表示无限期挂起',
 'Sleep 500 '' 暂停半秒',
 '无', '', ''),
('CreateFile', 11, 'kernel32', 'Yes', 'Yes', '创建或打开文件、管道、控制台等对象，返回可用于读写的句柄。',
 'Declare Function CreateFile Lib "kernel32" Alias "CreateFileA" (ByVal lpFileName As String, ByVal dwDesiredAccess As Long, ByVal dwShareMode As Long, ByRef lpSecurityAttributes As Any, ByVal dwCreationDisposition As Long, ByVal dwFlagsAndAttributes As Long, ByVal hTemplateFile As Long) As Long',
 '[DllImport("kernel32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern IntPtr CreateFile(string lpFileName, uint dwDesiredAccess, uint dwShareMode, IntPtr lpSecurityAttributes, uint dwCreationDisposition, uint dwFlagsAndAttributes, IntPtr hTemplateFile);',
 'lpFileName：文件名' || char(13, 10) ||
 'dwDesiredAccess：访问方式，如 GENERIC_READ、GENERIC_WRITE' || char(13, 10) ||
 'dwShareMode：共享方式，0 表示不共享' || char(13, 10) ||
 'lpSecurityAttributes：SECURITY_ATTRIBUTES 结构，可传 ByVal 0&' || char(13, 10) ||
 'dwCreationDisposition：创建方式，如 CREATE_ALWAYS、OPEN_EXISTING' || char(13, 10) ||
 'dwFlagsAndAttributes：文件属性与标志，如 FILE_ATTRIBUTE_NORMAL' || char(13, 10) ||
 'hTemplateFile：模板文件句柄，一般为 0',
 'Dim hFile As Long' || char(13, 10) ||
 'hFile = CreateFile("C:\test.txt", GENERIC_READ, 0, ByVal 0&, OPEN_EXISTING, 0, 0)' || char(13, 10) ||
 'If hFile <> INVALID_HANDLE_VALUE Then' || char(13, 10) ||
 '    '' 在这里读取文件' || char(13, 10) ||
 '    CloseHandle hFile' || char(13, 10) ||
 'End If',
 'Long，成功返回文件句柄；失败返回 INVALID_HANDLE_VALUE（-1），可用 GetLastError 取得错误代码',
 'CreateFileA CreateFileW', ''),
('ReadFile', 11, 'kernel32', 'Yes', 'Yes', '从文件句柄的当前位置读取数据。',
 'Declare Function ReadFile Lib "kernel32" (ByVal hFile As Long, ByRef lpBuffer As Any, ByVal nNumberOfBytesToRead As Long, ByRef lpNumberOfBytesRead As Long, ByRef lpOverlapped As Any) As Long',
 '[DllImport("kernel32.dll", SetLastError = true)]' || char(13, 10) || 'static extern bool ReadFile(IntPtr hFile, byte[] lpBuffer, uint nNumberOfBytesToRead, out uint lpNumberOfBytesRead, IntPtr lpOverlapped);',
 'hFile：文件句柄' || char(13, 10) ||
 'lpBuffer：接收数据的缓冲区' || char(13, 10) ||
 'nNumberOfBytesToRead：要读取的字节数' || char(13, 10) ||
 'lpNumberOfBytesRead：返回实际读取的字节数' || char(13, 10) ||
 'lpOverlapped：OVERLAPPED 结构，同步读取时传 ByVal 0&',
 '', 'Long，非零表示成功，零表示失败', '', ''),
('WriteFile', 11, 'kernel32', 'Yes', 'Yes', '向文件句柄的当前位置写入数据。',
 'Declare Function WriteFile Lib "kernel32" (ByVal hFile As Long, ByRef lpBuffer As Any, ByVal nNumberOfBytesToWrite As Long, ByRef lpNumberOfBytesWritten As Long, ByRef lpOverlapped As Any) As Long',
 '[DllImport("kernel32.dll", SetLastError = true)]' || char(13, 10) || 'static extern bool WriteFile(IntPtr hFile, byte[] lpBuffer, uint nNumberOfBytesToWrite, out uint lpNumberOfBytesWritten, IntPtr lpOverlapped);',
 'hFile：文件句柄' || char(13, 10) ||
 'lpBuffer：要写入的数据' || char(13, 10) ||
 'nNumberOfBytesToWrite：要写入的字节数' || char(13, 10) ||
 'lpNumberOfBytesWritten：返回实际写入的字节数' || char(13, 10) ||
 'lpOverlapped：OVERLAPPED 结构，同步写入时传 ByVal 0&',
 '', 'Long，非零表示成功，零表示失败', '', ''),
('CloseHandle', 16, 'kernel32', 'Yes', 'Yes', '关闭一个打开的对象句柄，如文件、进程、线程、互斥体或事件。',
 'Declare Function CloseHandle Lib "kernel32" (ByVal hObject As Long) As Long',
 '[DllImport("kernel32.dll", SetLastError = true)]' || char(13, 10) || 'static extern bool CloseHandle(IntPtr hObject);',
 'hObject：要关闭的对象句柄',
 '', 'Long，非零表示成功，零表示失败', '', ''),
('GetLastError', 2, 'kernel32', 'Yes', 'Yes', '返回调用线程最近一次的错误代码（the calling thread''s last-error code）。',
 'Declare Function GetLastError Lib "kernel32" () As Long',
 '[DllImport("kernel32.dll")]' || char(13, 10) || 'static extern uint GetLastError();',
 '', '', 'Long，错误代码，0 表示没有错误', '',
 'VB 中应改用 Err.LastDllError，C# 中应改用 Marshal.GetLastWin32Error，因为运行库自身的调用可能覆盖这个值'),
('CreateMutex', 15, 'kernel32', 'Yes', 'Yes', '创建或打开一个命名或未命名的互斥体对象。',
 'Declare Function CreateMutex Lib "kernel32" Alias "CreateMutexA" (ByRef lpMutexAttributes As Any, ByVal bInitialOwner As Long, ByVal lpName As String) As Long',
 '[DllImport("kernel32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern IntPtr CreateMutex(IntPtr lpMutexAttributes, bool bInitialOwner, string lpName);',
 'lpMutexAttributes：SECURITY_ATTRIBUTES 结构，可传 ByVal 0&' || char(13, 10) ||
 'bInitialOwner：非零表示创建者立即拥有该互斥体' || char(13, 10) ||
 'lpName：互斥体名称，vbNullString 表示未命名',
 'Dim hMutex As Long' || char(13, 10) ||
 'hMutex = CreateMutex(ByVal 0&, 0, "MyApp.SingleInstance")' || char(13, 10) ||
 'If Err.LastDllError = ERROR_ALREADY_EXISTS Then' || char(13, 10) ||
 '    '' 程序已经在运行' || char(13, 10) ||
 '    End' || char(13, 10) ||
 'End If',
 'Long，成功返回互斥体句柄，失败返回 0；若同名互斥体已存在，GetLastError 返回 ERROR_ALREADY_EXISTS',
 'CreateMutexA CreateMutexW', ''),
('WaitForSingleObject', 15, 'kernel32', 'Yes', 'Yes', '等待指定对象变为有信号状态或超时。',
 'Declare Function WaitForSingleObject Lib "kernel32" (ByVal hHandle As Long, ByVal dwMilliseconds As Long) As Long',
 '[DllImport("kernel32.dll", SetLastError = true)]' || char(13, 10) || 'static extern uint WaitForSingleObject(IntPtr hHandle, uint dwMilliseconds);',
 'hHandle：要等待的对象句柄' || char(13, 10) ||
 'dwMilliseconds：超时毫秒数，INFINITE 表示一直等待',
 '', 'Long，WAIT_OBJECT_0（0）、WAIT_ABANDONED（&H80）、WAIT_TIMEOUT（&H102）或 WAIT_FAILED（&HFFFFFFFF）', '', ''),
('CreateProcess', 14, 'kernel32', 'Yes', 'Yes', '创建一个新进程及其主线程，新进程运行指定的可执行文件。',
 'Declare Function CreateProcess Lib "kernel32" Alias "CreateProcessA" (ByVal lpApplicationName As String, ByVal lpCommandLine As String, ByRef lpProcessAttributes As Any, ByRef lpThreadAttributes As Any, ByVal bInheritHandles As Long, ByVal dwCreationFlags As Long, ByRef lpEnvironment As Any, ByVal lpCurrentDirectory As String, ByRef lpStartupInfo As STARTUPINFO, ByRef lpProcessInformation As PROCESS_INFORMATION) As Long',
 '[DllImport("kernel32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool CreateProcess(string lpApplicationName, string lpCommandLine, IntPtr lpProcessAttributes, IntPtr lpThreadAttributes, bool bInheritHandles, uint dwCreationFlags, IntPtr lpEnvironment, string lpCurrentDirectory, ref STARTUPINFO lpStartupInfo, out PROCESS_INFORMATION lpProcessInformation);',
 'lpApplicationName：可执行文件名，可为 vbNullString' || char(13, 10) ||
 'lpCommandLine：命令行' || char(13, 10) ||
 'lpProcessAttributes：进程的 SECURITY_ATTRIBUTES，可传 ByVal 0&' || char(13, 10) ||
 'lpThreadAttributes：线程的 SECURITY_ATTRIBUTES，可传 ByVal 0&' || char(13, 10) ||
 'bInheritHandles：新进程是否继承句柄' || char(13, 10) ||
 'dwCreationFlags：创建标志与优先级，如 NORMAL_PRIORITY_CLASS' || char(13, 10) ||
 'lpEnvironment：环境块，ByVal 0& 表示使用父进程的环境' || char(13, 10) ||
 'lpCurrentDirectory：当前目录，vbNullString 表示与父进程相同' || char(13, 10) ||
 'lpStartupInfo：STARTUPINFO 结构，cb 成员须设为结构长度' || char(13, 10) ||
 'lpProcessInformation：返回新进程和主线程的句柄与标识',
 '', 'Long，非零表示成功，零表示失败；返回的两个句柄用完后须用 CloseHandle 关闭',
 'CreateProcessA CreateProcessW', ''),
('GetCurrentProcessId', 14, 'kernel32', 'Yes', 'Yes', '返回调用进程的进程标识符。',
 'Declare Function GetCurrentProcessId Lib "kernel32" () As Long',
 '[DllImport("kernel32.dll")]' || char(13, 10) || 'static extern uint GetCurrentProcessId();',
 '', '', 'Long，当前进程的标识符', '', '');

-- user32
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('FindWindow', 3, 'user32', 'Yes', 'Yes', '按类名和窗口标题查找顶层窗口。',
 'Declare Function FindWindow Lib "user32" Alias "FindWindowA" (ByVal lpClassName As String, ByVal lpWindowName As String) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern IntPtr FindWindow(string lpClassName, string lpWindowName);',
 'lpClassName：窗口类名，vbNullString 表示任意类' || char(13, 10) ||
 'lpWindowName：窗口标题，vbNullString 表示任意标题',
 'Dim hWnd As Long' || char(13, 10) ||
 'hWnd = FindWindow("Notepad", vbNullString)' || char(13, 10) ||
 'If hWnd <> 0 Then PostMessage hWnd, WM_CLOSE, 0, 0 '' 关闭记事本',
 'Long，找到的窗口句柄；找不到时返回 0',
 'FindWindowA FindWindowW', ''),
('SendMessage', 12, 'user32', 'Yes', 'Yes', '向窗口发送消息，等窗口过程处理完毕后才返回。',
 'Declare Function SendMessage Lib "user32" Alias "SendMessageA" (ByVal hwnd As Long, ByVal wMsg As Long, ByVal wParam As Long, ByRef lParam As Any) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern IntPtr SendMessage(IntPtr hWnd, uint Msg, IntPtr wParam, IntPtr lParam);',
 'hwnd：接收消息的窗口句柄' || char(13, 10) ||
 'wMsg：消息标识，如 WM_SETTEXT' || char(13, 10) ||
 'wParam：消息的附加参数' || char(13, 10) ||
 'lParam：消息的附加参数，传数值时用 ByVal',
 '', 'Long，由消息决定的处理结果', 'SendMessageA SendMessageW', ''),
('PostMessage', 12, 'user32', 'Yes', 'Yes', '把消息放入窗口所属线程的消息队列后立即返回，不等待处理。',
 'Declare Function PostMessage Lib "user32" Alias "PostMessageA" (ByVal hwnd As Long, ByVal wMsg As Long, ByVal wParam As Long, ByVal lParam As Long) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool PostMessage(IntPtr hWnd, uint Msg, IntPtr wParam, IntPtr lParam);',
 'hwnd：接收消息的窗口句柄，HWND_BROADCAST 表示所有顶层窗口' || char(13, 10) ||
 'wMsg：消息标识' || char(13, 10) ||
 'wParam：消息的附加参数' || char(13, 10) ||
 'lParam：消息的附加参数',
 '', 'Long，非零表示成功，零表示失败', 'PostMessageA PostMessageW', ''),
('GetWindowText', 3, 'user32', 'Yes', 'Yes', '取得窗口标题栏的文字；对控件则取得控件的文字。',
 'Declare Function GetWindowText Lib "user32" Alias "GetWindowTextA" (ByVal hwnd As Long, ByVal lpString As String, ByVal nMaxCount As Long) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern int GetWindowText(IntPtr hWnd, StringBuilder lpString, int nMaxCount);',
 'hwnd：窗口或控件的句柄' || char(13, 10) ||
 'lpString：接收文字的缓冲区，须预先分配' || char(13, 10) ||
 'nMaxCount：缓冲区能容纳的最大字符数（含结尾的空字符）',
 'Dim s As String, n As Long' || char(13, 10) ||
 's = String$(256, vbNullChar)' || char(13, 10) ||
 'n = GetWindowText(hWnd, s, Len(s))' || char(13, 10) ||
 'Debug.Print Left$(s, n)',
 'Long，复制的字符数（不含结尾的空字符）；没有标题或失败时返回 0',
 'GetWindowTextA GetWindowTextW', ''),
('SetWindowText', 3, 'user32', 'Yes', 'Yes', '设置窗口标题栏的文字；对控件则设置控件的文字。',
 'Declare Function SetWindowText Lib "user32" Alias "SetWindowTextA" (ByVal hwnd As Long, ByVal lpString As String) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool SetWindowText(IntPtr hWnd, string lpString);',
 'hwnd：窗口或控件的句柄' || char(13, 10) ||
 'lpString：新的文字',
 '', 'Long，非零表示成功，零表示失败', 'SetWindowTextA SetWindowTextW', ''),
('MessageBox', 3, 'user32', 'Yes', 'Yes', '显示一个模式消息框，含文字、标题、按钮和图标，并返回用户按下的按钮。',
 'Declare Function MessageBox Lib "user32" Alias "MessageBoxA" (ByVal hwnd As Long, ByVal lpText As String, ByVal lpCaption As String, ByVal uType As Long) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern int MessageBox(IntPtr hWnd, string lpText, string lpCaption, uint uType);',
 'hwnd：所有者窗口句柄，可为 0' || char(13, 10) ||
 'lpText：要显示的文字' || char(13, 10) ||
 'lpCaption：标题，vbNullString 表示“错误”' || char(13, 10) ||
 'uType：按钮与图标的组合，如 MB_OK、MB_YESNO Or MB_ICONQUESTION',
 'MessageBox Me.hWnd, "文件已保存。", "提示", MB_OK',
 'Long，用户按下的按钮，如 IDOK（1）、IDCANCEL（2）、IDYES（6）、IDNO（7）；失败返回 0',
 'MessageBoxA MessageBoxW', ''),
('ShowWindow', 3, 'user32', 'Yes', 'Yes', '设置窗口的显示状态，如隐藏、最小化、最大化或还原。',
 'Declare Function ShowWindow Lib "user32" (ByVal hwnd As Long, ByVal nCmdShow As Long) As Long',
 '[DllImport("user32.dll")]' || char(13, 10) || 'static extern bool ShowWindow(IntPtr hWnd, int nCmdShow);',
 'hwnd：窗口句柄' || char(13, 10) ||
 'nCmdShow：显示方式，如 SW_HIDE（0）、SW_SHOWNORMAL（1）、SW_MINIMIZE（6）',
 '', 'Long，窗口原来可见时返回非零，原来隐藏时返回 0', '', ''),
-- win95 deliberately 'yes' in lower case; see the note at the top.
('GetSystemMetrics', 4, 'user32', 'yes', 'Yes', '返回系统的度量值或配置设置，如屏幕宽度和高度。',
 'Declare Function GetSystemMetrics Lib "user32" (ByVal nIndex As Long) As Long',
 '[DllImport("user32.dll")]' || char(13, 10) || 'static extern int GetSystemMetrics(int nIndex);',
 'nIndex：要取得的项目，如 SM_CXSCREEN（0）、SM_CYSCREEN（1）',
 'Debug.Print GetSystemMetrics(SM_CXSCREEN); "x"; GetSystemMetrics(SM_CYSCREEN)',
 'Long，所求的度量值（以像素为单位）；失败返回 0', '', ''),
('GetDC', 5, 'user32', 'Yes', 'Yes', '取得窗口客户区的设备场景句柄。',
 'Declare Function GetDC Lib "user32" (ByVal hwnd As Long) As Long',
 '[DllImport("user32.dll")]' || char(13, 10) || 'static extern IntPtr GetDC(IntPtr hWnd);',
 'hwnd：窗口句柄，0 表示整个屏幕',
 '', 'Long，设备场景句柄，失败返回 0；用完后须调用 ReleaseDC', '', ''),
('ReleaseDC', 5, 'user32', 'Yes', 'Yes', '释放由 GetDC 或 GetWindowDC 取得的设备场景。',
 'Declare Function ReleaseDC Lib "user32" (ByVal hwnd As Long, ByVal hdc As Long) As Long',
 '[DllImport("user32.dll")]' || char(13, 10) || 'static extern int ReleaseDC(IntPtr hWnd, IntPtr hDC);',
 'hwnd：设备场景所属的窗口句柄' || char(13, 10) ||
 'hdc：要释放的设备场景句柄',
 '', 'Long，1 表示已释放，0 表示未释放', '', ''),
('CreateMenu', 8, 'user32', 'Yes', 'Yes', '创建一个空菜单，可用 AppendMenu 等函数向其中添加菜单项。',
 'Declare Function CreateMenu Lib "user32" () As Long',
 '[DllImport("user32.dll", SetLastError = true)]' || char(13, 10) || 'static extern IntPtr CreateMenu();',
 '', '', 'Long，新菜单的句柄，失败返回 0', '', ''),
('AppendMenu', 8, 'user32', 'Yes', 'Yes', '在菜单的末尾添加一个菜单项、子菜单或分隔条。',
 'Declare Function AppendMenu Lib "user32" Alias "AppendMenuA" (ByVal hMenu As Long, ByVal uFlags As Long, ByVal uIDNewItem As Long, ByVal lpNewItem As String) As Long',
 '[DllImport("user32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool AppendMenu(IntPtr hMenu, uint uFlags, UIntPtr uIDNewItem, string lpNewItem);',
 'hMenu：菜单句柄' || char(13, 10) ||
 'uFlags：菜单项的类型与状态，如 MF_STRING、MF_POPUP、MF_SEPARATOR' || char(13, 10) ||
 'uIDNewItem：菜单项标识；对 MF_POPUP 则为子菜单句柄' || char(13, 10) ||
 'lpNewItem：菜单项文字',
 '', 'Long，非零表示成功，零表示失败', 'AppendMenuA AppendMenuW', '');

-- gdi32
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('BitBlt', 7, 'gdi32', 'Yes', 'Yes', '把一个设备场景中的矩形位图按指定的光栅运算复制到另一个设备场景。',
 'Declare Function BitBlt Lib "gdi32" (ByVal hdc As Long, ByVal x As Long, ByVal y As Long, ByVal cx As Long, ByVal cy As Long, ByVal hdcSrc As Long, ByVal x1 As Long, ByVal y1 As Long, ByVal rop As Long) As Long',
 '[DllImport("gdi32.dll", SetLastError = true)]' || char(13, 10) || 'static extern bool BitBlt(IntPtr hdc, int x, int y, int cx, int cy, IntPtr hdcSrc, int x1, int y1, uint rop);',
 'hdc：目标设备场景' || char(13, 10) ||
 'x：目标矩形左上角的 X 坐标' || char(13, 10) ||
 'y：目标矩形左上角的 Y 坐标' || char(13, 10) ||
 'cx：矩形宽度' || char(13, 10) ||
 'cy：矩形高度' || char(13, 10) ||
 'hdcSrc：源设备场景' || char(13, 10) ||
 'x1：源矩形左上角的 X 坐标' || char(13, 10) ||
 'y1：源矩形左上角的 Y 坐标' || char(13, 10) ||
 'rop：光栅运算代码，如 SRCCOPY（&HCC0020）',
 'BitBlt Picture2.hDC, 0, 0, 100, 100, Picture1.hDC, 0, 0, SRCCOPY',
 'Long，非零表示成功，零表示失败', '', ''),
('TextOut', 9, 'gdi32', 'Yes', 'Yes', '用当前选入的字体、背景色和文字颜色在指定位置输出字符串。',
 'Declare Function TextOut Lib "gdi32" Alias "TextOutA" (ByVal hdc As Long, ByVal x As Long, ByVal y As Long, ByVal lpString As String, ByVal c As Long) As Long',
 '[DllImport("gdi32.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern bool TextOut(IntPtr hdc, int x, int y, string lpString, int c);',
 'hdc：设备场景句柄' || char(13, 10) ||
 'x：起点的 X 坐标' || char(13, 10) ||
 'y：起点的 Y 坐标' || char(13, 10) ||
 'lpString：要输出的字符串' || char(13, 10) ||
 'c：字符串的长度',
 '', 'Long，非零表示成功，零表示失败', 'TextOutA TextOutW', ''),
('CreateFontIndirect', 9, 'gdi32', 'Yes', 'Yes', '按 LOGFONT 结构描述的特性创建一个逻辑字体。',
 'Declare Function CreateFontIndirect Lib "gdi32" Alias "CreateFontIndirectA" (ByRef lplf As LOGFONT) As Long',
 '[DllImport("gdi32.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern IntPtr CreateFontIndirect(ref LOGFONT lplf);',
 'lplf：描述字体特性的 LOGFONT 结构',
 '', 'Long，逻辑字体句柄，失败返回 0；不再使用时须用 DeleteObject 删除',
 'CreateFontIndirectA CreateFontIndirectW', ''),
('GetTextExtentPoint32', 9, 'gdi32', 'Yes', 'Yes', '计算一个字符串用当前字体输出时的宽度和高度。',
 'Declare Function GetTextExtentPoint32 Lib "gdi32" Alias "GetTextExtentPoint32A" (ByVal hdc As Long, ByVal lpString As String, ByVal c As Long, ByRef psizl As SIZE) As Long',
 '[DllImport("gdi32.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern bool GetTextExtentPoint32(IntPtr hdc, string lpString, int c, out SIZE psizl);',
 'hdc：设备场景句柄' || char(13, 10) ||
 'lpString：字符串' || char(13, 10) ||
 'c：字符串的长度' || char(13, 10) ||
 'psizl：返回字符串尺寸的 SIZE 结构（逻辑单位）',
 '', 'Long，非零表示成功，零表示失败',
 'GetTextExtentPoint32A GetTextExtentPoint32W', ''),
('MoveToEx', 6, 'gdi32', 'Yes', 'Yes', '把当前画笔位置移到指定的点，并可取得原来的位置。',
 'Declare Function MoveToEx Lib "gdi32" (ByVal hdc As Long, ByVal x As Long, ByVal y As Long, ByRef lppt As POINTAPI) As Long',
 '[DllImport("gdi32.dll")]' || char(13, 10) || 'static extern bool MoveToEx(IntPtr hdc, int x, int y, out POINT lppt);',
 'hdc：设备场景句柄' || char(13, 10) ||
 'x：新位置的 X 坐标' || char(13, 10) ||
 'y：新位置的 Y 坐标' || char(13, 10) ||
 'lppt：返回原来位置的 POINTAPI 结构',
 'Dim pt As POINTAPI' || char(13, 10) ||
 'MoveToEx Me.hDC, 10, 10, pt' || char(13, 10) ||
 'LineTo Me.hDC, 200, 100',
 'Long，非零表示成功，零表示失败', '', ''),
('LineTo', 6, 'gdi32', 'Yes', 'Yes', '用当前画笔从当前位置画一条直线到指定的点（不含该点），并把当前位置移到该点。',
 'Declare Function LineTo Lib "gdi32" (ByVal hdc As Long, ByVal x As Long, ByVal y As Long) As Long',
 '[DllImport("gdi32.dll")]' || char(13, 10) || 'static extern bool LineTo(IntPtr hdc, int x, int y);',
 'hdc：设备场景句柄' || char(13, 10) ||
 'x：终点的 X 坐标' || char(13, 10) ||
 'y：终点的 Y 坐标',
 '', 'Long，非零表示成功，零表示失败', '', '');

-- advapi32.dll, comdlg32.dll, shell32.dll, winmm.dll, version.dll
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('RegOpenKeyEx', 16, 'advapi32.dll', 'Yes', 'Yes', '打开注册表中的一个项。',
 'Declare Function RegOpenKeyEx Lib "advapi32.dll" Alias "RegOpenKeyExA" (ByVal hKey As Long, ByVal lpSubKey As String, ByVal ulOptions As Long, ByVal samDesired As Long, ByRef phkResult As Long) As Long',
 '[DllImport("advapi32.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern int RegOpenKeyEx(IntPtr hKey, string lpSubKey, uint ulOptions, uint samDesired, out IntPtr phkResult);',
 'hKey：已打开的项或预定义项，如 HKEY_LOCAL_MACHINE' || char(13, 10) ||
 'lpSubKey：要打开的子项名称' || char(13, 10) ||
 'ulOptions：保留，设为 0' || char(13, 10) ||
 'samDesired：访问权限，如 KEY_READ' || char(13, 10) ||
 'phkResult：返回打开的项的句柄',
 '', 'Long，成功返回 ERROR_SUCCESS（0），否则返回错误代码', 'RegOpenKeyExA RegOpenKeyExW',
 '打开的项用完后须用 RegCloseKey 关闭'),
('RegCloseKey', 16, 'advapi32.dll', 'Yes', 'Yes', '关闭一个注册表项的句柄。',
 'Declare Function RegCloseKey Lib "advapi32.dll" (ByVal hKey As Long) As Long',
 '[DllImport("advapi32.dll")]' || char(13, 10) || 'static extern int RegCloseKey(IntPtr hKey);',
 'hKey：要关闭的项的句柄',
 '', 'Long，成功返回 ERROR_SUCCESS（0），否则返回错误代码', '', ''),
('GetUserName', 4, 'advapi32.dll', 'Yes', 'Yes', '取得与当前线程关联的用户的登录名。',
 'Declare Function GetUserName Lib "advapi32.dll" Alias "GetUserNameA" (ByVal lpBuffer As String, ByRef pcbBuffer As Long) As Long',
 '[DllImport("advapi32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool GetUserName(StringBuilder lpBuffer, ref uint pcbBuffer);',
 'lpBuffer：接收用户名的缓冲区，须预先分配' || char(13, 10) ||
 'pcbBuffer：调用前为缓冲区大小，返回时为复制的字符数（含结尾的空字符）',
 'Dim sName As String, nLen As Long' || char(13, 10) ||
 'sName = String$(256, vbNullChar)' || char(13, 10) ||
 'nLen = Len(sName)' || char(13, 10) ||
 'If GetUserName(sName, nLen) <> 0 Then' || char(13, 10) ||
 '    '' nLen 含结尾的空字符' || char(13, 10) ||
 '    MsgBox Left$(sName, nLen - 1)' || char(13, 10) ||
 'End If',
 'Long，非零表示成功，零表示失败', 'GetUserNameA GetUserNameW', ''),
('GetOpenFileName', 11, 'comdlg32.dll', 'Yes', 'Yes', '显示“打开”通用对话框，让用户选择要打开的文件。',
 'Declare Function GetOpenFileName Lib "comdlg32.dll" Alias "GetOpenFileNameA" (ByRef lpofn As OPENFILENAME) As Long',
 '[DllImport("comdlg32.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool GetOpenFileName(ref OPENFILENAME lpofn);',
 'lpofn：OPENFILENAME 结构，调用前设置对话框的初始值，返回时含用户选择的文件名',
 '', 'Long，用户选定文件并按“打开”时返回非零；取消或出错时返回 0，可用 CommDlgExtendedError 取得错误代码',
 'GetOpenFileNameA GetOpenFileNameW', ''),
('ShellExecute', 14, 'shell32.dll', 'Yes', 'Yes', '对指定文件执行一个操作，如 "open"（打开）、"print"（打印）或 "explore"（浏览文件夹）。',
 'Declare Function ShellExecute Lib "shell32.dll" Alias "ShellExecuteA" (ByVal hwnd As Long, ByVal lpOperation As String, ByVal lpFile As String, ByVal lpParameters As String, ByVal lpDirectory As String, ByVal nShowCmd As Long) As Long',
 '[DllImport("shell32.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern IntPtr ShellExecute(IntPtr hwnd, string lpOperation, string lpFile, string lpParameters, string lpDirectory, int nShowCmd);',
 'hwnd：父窗口句柄' || char(13, 10) ||
 'lpOperation：操作，如 "open"、"print"，vbNullString 表示默认操作' || char(13, 10) ||
 'lpFile：文件、文件夹或网址' || char(13, 10) ||
 'lpParameters：lpFile 为程序时传给它的参数' || char(13, 10) ||
 'lpDirectory：默认目录' || char(13, 10) ||
 'nShowCmd：窗口显示方式，如 SW_SHOWNORMAL',
 'ShellExecute Me.hWnd, "open", "http://www.example.com/", vbNullString, vbNullString, SW_SHOWNORMAL',
 'Long，大于 32 表示成功；小于等于 32 为错误代码', 'ShellExecuteA ShellExecuteW', ''),
('PlaySound', 4, 'winmm.dll', 'Yes', 'Yes', '播放由文件名、资源或系统事件指定的波形声音。',
 'Declare Function PlaySound Lib "winmm.dll" Alias "PlaySoundA" (ByVal pszSound As String, ByVal hmod As Long, ByVal fdwSound As Long) As Long',
 '[DllImport("winmm.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern bool PlaySound(string pszSound, IntPtr hmod, uint fdwSound);',
 'pszSound：声音文件名、资源名或系统事件名，vbNullString 表示停止播放' || char(13, 10) ||
 'hmod：含资源的模块句柄，播放文件时为 0' || char(13, 10) ||
 'fdwSound：标志，如 SND_FILENAME Or SND_ASYNC',
 'PlaySound "C:\Windows\Media\chimes.wav", 0, SND_FILENAME Or SND_ASYNC',
 'Long，非零表示成功，零表示失败', 'PlaySoundA PlaySoundW', ''),
('GetFileVersionInfoSize', 11, 'version.dll', 'Yes', 'Yes', '判断文件是否含版本信息，并返回读取版本信息所需的缓冲区大小。',
 'Declare Function GetFileVersionInfoSize Lib "version.dll" Alias "GetFileVersionInfoSizeA" (ByVal lptstrFilename As String, ByRef lpdwHandle As Long) As Long',
 '[DllImport("version.dll", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern uint GetFileVersionInfoSize(string lptstrFilename, out uint lpdwHandle);',
 'lptstrFilename：文件名' || char(13, 10) ||
 'lpdwHandle：总被设为 0',
 '', 'Long，版本信息的字节数；文件没有版本信息或失败时返回 0',
 'GetFileVersionInfoSizeA GetFileVersionInfoSizeW',
 '返回的大小用于为 GetFileVersionInfo 分配缓冲区');

-- mpr.dll, netapi32.dll, winspool.drv, imm32.dll, lz32.dll
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('WNetGetUser', 13, 'mpr.dll', 'Yes', 'Yes', '取得当前默认用户名，或建立某个网络连接时所用的用户名。',
 'Declare Function WNetGetUser Lib "mpr.dll" Alias "WNetGetUserA" (ByVal lpName As String, ByVal lpUserName As String, ByRef lpnLength As Long) As Long',
 '[DllImport("mpr.dll", CharSet = CharSet.Ansi)]' || char(13, 10) || 'static extern uint WNetGetUser(string lpName, StringBuilder lpUserName, ref uint lpnLength);',
 'lpName：本地设备名或网络资源名，vbNullString 表示当前用户' || char(13, 10) ||
 'lpUserName：接收用户名的缓冲区' || char(13, 10) ||
 'lpnLength：缓冲区大小（字符数）；缓冲区不够时返回所需大小',
 '', 'Long，成功返回 NO_ERROR（0），否则返回错误代码，如 ERROR_MORE_DATA、ERROR_NO_NETWORK',
 'WNetGetUserA WNetGetUserW', ''),
('NetUserGetInfo', 13, 'netapi32.dll', 'No', 'Yes', '取得服务器上某个用户帐户的信息。',
 'Declare Function NetUserGetInfo Lib "netapi32.dll" (ByVal servername As Long, ByVal username As Long, ByVal level As Long, ByRef bufptr As Long) As Long',
 '[DllImport("netapi32.dll", CharSet = CharSet.Unicode)]' || char(13, 10) || 'static extern uint NetUserGetInfo(string servername, string username, uint level, out IntPtr bufptr);',
 'servername：服务器名的 Unicode 字符串指针（用 StrPtr 传递），0 表示本机' || char(13, 10) ||
 'username：用户名的 Unicode 字符串指针（用 StrPtr 传递）' || char(13, 10) ||
 'level：信息级别，如 0、1、2，决定 bufptr 所指的 USER_INFO_n 结构' || char(13, 10) ||
 'bufptr：返回系统分配的缓冲区的地址',
 '', 'Long，成功返回 NERR_Success（0），否则返回错误代码', '',
 '只有 Unicode 版本；缓冲区用完后须调用 NetApiBufferFree 释放'),
('OpenPrinter', 10, 'winspool.drv', 'Yes', 'Yes', '取得指定打印机或打印服务器的句柄。',
 'Declare Function OpenPrinter Lib "winspool.drv" Alias "OpenPrinterA" (ByVal pPrinterName As String, ByRef phPrinter As Long, ByRef pDefault As Any) As Long',
 '[DllImport("winspool.drv", CharSet = CharSet.Ansi, SetLastError = true)]' || char(13, 10) || 'static extern bool OpenPrinter(string pPrinterName, out IntPtr phPrinter, IntPtr pDefault);',
 'pPrinterName：打印机名称' || char(13, 10) ||
 'phPrinter：返回打印机句柄' || char(13, 10) ||
 'pDefault：PRINTER_DEFAULTS 结构，可传 ByVal 0&',
 '', 'Long，非零表示成功，零表示失败', 'OpenPrinterA OpenPrinterW',
 '句柄用完后须调用 ClosePrinter 关闭'),
('ImmGetContext', 16, 'imm32.dll', 'Yes', 'Yes', '取得与窗口关联的输入法上下文。',
 'Declare Function ImmGetContext Lib "imm32.dll" (ByVal hwnd As Long) As Long',
 '[DllImport("imm32.dll")]' || char(13, 10) || 'static extern IntPtr ImmGetContext(IntPtr hWnd);',
 'hwnd：窗口句柄',
 '', 'Long，输入法上下文句柄，失败返回 0；用完后须调用 ImmReleaseContext', '', ''),
-- CSharp deliberately NULL; see the note at the top.
('LZOpenFile', 11, 'lz32.dll', 'Yes', 'Yes', '打开或创建文件；若文件是用 Lempel-Ziv 算法压缩的，则为解压作准备。',
 'Declare Function LZOpenFile Lib "lz32.dll" Alias "LZOpenFileA" (ByVal lpFileName As String, ByRef lpReOpenBuf As OFSTRUCT, ByVal wStyle As Integer) As Long',
 NULL,
 'lpFileName：文件名' || char(13, 10) ||
 'lpReOpenBuf：接收文件信息的 OFSTRUCT 结构' || char(13, 10) ||
 'wStyle：打开方式，如 OF_READ',
 '', 'Long，成功返回文件句柄（非负）；失败返回小于 0 的错误代码', 'LZOpenFileA LZOpenFileW',
 '文件用完后须调用 LZClose 关闭');

-- Types
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('RECT', -1, '', 'Yes', 'Yes', '以左上角和右下角坐标定义一个矩形。',
 'Type RECT' || char(13, 10) ||
 '    left As Long' || char(13, 10) ||
 '    top As Long' || char(13, 10) ||
 '    right As Long' || char(13, 10) ||
 '    bottom As Long' || char(13, 10) ||
 'End Type',
 '[StructLayout(LayoutKind.Sequential)]' || char(13, 10) ||
 'struct RECT' || char(13, 10) ||
 '{' || char(13, 10) ||
 '    public int left;' || char(13, 10) ||
 '    public int top;' || char(13, 10) ||
 '    public int right;' || char(13, 10) ||
 '    public int bottom;' || char(13, 10) ||
 '}',
 '', '', '', '', ''),
('POINTAPI', -1, '', 'Yes', 'Yes', '定义一个点的 X、Y 坐标；即 C 中的 POINT 结构，VB 中改名以免与 Point 方法冲突。',
 'Type POINTAPI' || char(13, 10) ||
 '    x As Long' || char(13, 10) ||
 '    y As Long' || char(13, 10) ||
 'End Type',
 '[StructLayout(LayoutKind.Sequential)]' || char(13, 10) ||
 'struct POINT' || char(13, 10) ||
 '{' || char(13, 10) ||
 '    public int x;' || char(13, 10) ||
 '    public int y;' || char(13, 10) ||
 '}',
 '', '', '', 'POINT', ''),
('SYSTEMTIME', -1, '', 'Yes', 'Yes', '以年、月、星期、日、时、分、秒和毫秒表示一个日期和时间。',
 'Type SYSTEMTIME' || char(13, 10) ||
 '    wYear As Integer' || char(13, 10) ||
 '    wMonth As Integer' || char(13, 10) ||
 '    wDayOfWeek As Integer' || char(13, 10) ||
 '    wDay As Integer' || char(13, 10) ||
 '    wHour As Integer' || char(13, 10) ||
 '    wMinute As Integer' || char(13, 10) ||
 '    wSecond As Integer' || char(13, 10) ||
 '    wMilliseconds As Integer' || char(13, 10) ||
 'End Type',
 '[StructLayout(LayoutKind.Sequential)]' || char(13, 10) ||
 'struct SYSTEMTIME' || char(13, 10) ||
 '{' || char(13, 10) ||
 '    public ushort wYear;' || char(13, 10) ||
 '    public ushort wMonth;' || char(13, 10) ||
 '    public ushort wDayOfWeek;' || char(13, 10) ||
 '    public ushort wDay;' || char(13, 10) ||
 '    public ushort wHour;' || char(13, 10) ||
 '    public ushort wMinute;' || char(13, 10) ||
 '    public ushort wSecond;' || char(13, 10) ||
 '    public ushort wMilliseconds;' || char(13, 10) ||
 '}',
 '', '', '', '', 'wDayOfWeek：0 表示星期日'),
('OPENFILENAME', -1, '', 'Yes', 'Yes', 'GetOpenFileName 和 GetSaveFileName 用来初始化“打开”“另存为”对话框并返回用户选择的结构。',
 'Type OPENFILENAME' || char(13, 10) ||
 '    lStructSize As Long' || char(13, 10) ||
 '    hwndOwner As Long' || char(13, 10) ||
 '    hInstance As Long' || char(13, 10) ||
 '    lpstrFilter As String' || char(13, 10) ||
 '    lpstrCustomFilter As String' || char(13, 10) ||
 '    nMaxCustFilter As Long' || char(13, 10) ||
 '    nFilterIndex As Long' || char(13, 10) ||
 '    lpstrFile As String' || char(13, 10) ||
 '    nMaxFile As Long' || char(13, 10) ||
 '    lpstrFileTitle As String' || char(13, 10) ||
 '    nMaxFileTitle As Long' || char(13, 10) ||
 '    lpstrInitialDir As String' || char(13, 10) ||
 '    lpstrTitle As String' || char(13, 10) ||
 '    Flags As Long' || char(13, 10) ||
 '    nFileOffset As Integer' || char(13, 10) ||
 '    nFileExtension As Integer' || char(13, 10) ||
 '    lpstrDefExt As String' || char(13, 10) ||
 '    lCustData As Long' || char(13, 10) ||
 '    lpfnHook As Long' || char(13, 10) ||
 '    lpTemplateName As String' || char(13, 10) ||
 'End Type',
 '[StructLayout(LayoutKind.Sequential, CharSet = CharSet.Ansi)]' || char(13, 10) ||
 'struct OPENFILENAME' || char(13, 10) ||
 '{' || char(13, 10) ||
 '    public int lStructSize;' || char(13, 10) ||
 '    public IntPtr hwndOwner;' || char(13, 10) ||
 '    public IntPtr hInstance;' || char(13, 10) ||
 '    public string lpstrFilter;' || char(13, 10) ||
 '    public string lpstrCustomFilter;' || char(13, 10) ||
 '    public int nMaxCustFilter;' || char(13, 10) ||
 '    public int nFilterIndex;' || char(13, 10) ||
 '    public string lpstrFile;' || char(13, 10) ||
 '    public int nMaxFile;' || char(13, 10) ||
 '    public string lpstrFileTitle;' || char(13, 10) ||
 '    public int nMaxFileTitle;' || char(13, 10) ||
 '    public string lpstrInitialDir;' || char(13, 10) ||
 '    public string lpstrTitle;' || char(13, 10) ||
 '    public int Flags;' || char(13, 10) ||
 '    public short nFileOffset;' || char(13, 10) ||
 '    public short nFileExtension;' || char(13, 10) ||
 '    public string lpstrDefExt;' || char(13, 10) ||
 '    public IntPtr lCustData;' || char(13, 10) ||
 '    public IntPtr lpfnHook;' || char(13, 10) ||
 '    public string lpTemplateName;' || char(13, 10) ||
 '    public IntPtr pvReserved;' || char(13, 10) ||
 '    public int dwReserved;' || char(13, 10) ||
 '    public int FlagsEx;' || char(13, 10) ||
 '}',
 '', '', '', 'OPENFILENAMEA OPENFILENAMEW',
 'lStructSize 须设为结构长度（VB 中为 Len(ofn)）；VB 的声明不含 Windows 2000 起新增的 pvReserved、dwReserved、FlagsEx 三个成员');

-- Constants
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('WM_CLOSE', 0, '', 'Yes', 'Yes', '请求关闭窗口的消息；DefWindowProc 收到后调用 DestroyWindow。',
 'Const WM_CLOSE = &H10',
 'const int WM_CLOSE = 0x10;',
 '', '', '', '', ''),
('MB_OK', 0, '', 'Yes', 'Yes', 'MessageBox 的样式：消息框只有一个“确定”按钮。',
 'Const MB_OK = &H0',
 'const uint MB_OK = 0x0;',
 '', '', '', '', ''),
('INVALID_HANDLE_VALUE', 0, '', 'Yes', 'Yes', 'CreateFile 等函数失败时返回的无效句柄值。',
 'Const INVALID_HANDLE_VALUE = -1',
 'static readonly IntPtr INVALID_HANDLE_VALUE = new IntPtr(-1);',
 '', '', '', '', ''),
('GENERIC_READ', 0, '', 'Yes', 'Yes', 'CreateFile 的访问方式：读访问。',
 'Const GENERIC_READ = &H80000000',
 'const uint GENERIC_READ = 0x80000000;',
 '', '', '', '', '');
