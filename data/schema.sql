-- The catalogue: one table, one row per function, type or constant.
-- class: category number (-1 types, 0 constants, 1..16 functions by area).
-- win95/winnt: exactly 'Yes' or 'No'. Text columns hold CR LF line breaks.
-- vba64: the declaration for 64-bit VBA; catalogues made before it lack the
-- column, and the program works with them as they are.
CREATE TABLE winfun (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  name TEXT,
  class INTEGER,
  libsclass TEXT,
  win95 TEXT,
  winnt TEXT,
  explain TEXT,
  declare TEXT,
  CSharp TEXT,
  parameter TEXT,
  recode TEXT,
  returned TEXT,
  othername TEXT,
  other TEXT,
  vba64 TEXT
);

-- Searches list names in ID order, narrowed by category and DLL: this index
-- holds every column they read, so they scan it instead of whole rows.
CREATE INDEX winfun_search ON winfun (ID, name, class, libsclass);
-- The DLL filter lists every DLL the catalogue names: one step through this
-- index per DLL, however many rows the catalogue holds.
CREATE INDEX winfun_dll ON winfun (libsclass);
