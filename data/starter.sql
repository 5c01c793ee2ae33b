-- Starter catalogue: hand-written records of well-known functions, types and
-- constants. VB declarations carry no access word; C# declarations are the
-- attribute line, CR LF, then "static extern ...".
INSERT INTO winfun (name, class, libsclass, win95, winnt, explain, declare, CSharp, parameter, recode, returned, othername, other) VALUES
('GetTickCount', 4, 'kernel32', 'Yes', 'Yes', '返回自系统启动以来经过的毫秒数。',
 'Declare Function GetTickCount Lib "kernel32" () As Long',
 '[DllImport("kernel32.dll")]' || char(13, 10) || 'static extern uint GetTickCount();',
 '', '', 'Long，系统启动后经过的毫秒数', '', '');
