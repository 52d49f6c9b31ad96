@echo off
if /i "%username%" == "bob" net use g: \\files\apps
IF /I NOT "%ComputerName%"=="PC01" echo not here  
%SystemRoot%\System32\whoami.exe /groups /fo csv /nh | %SystemRoot%\System32\find.exe /i "\Finance""," >nul


if not errorlevel 1 start "" "\\apps\x.exe" /s
%SystemRoot%\System32\whoami.exe /groups /fo csv /nh | %SystemRoot%\System32\find.exe /i """CORP\Staff""," >nul
if errorlevel 1 if not errorlevel 2 (
type "\\F\N\M.TXT"
pause
)
if /i "%USERNAME%"=="bob" (
echo a
)
if "%USERNAME%"=="bob" echo case matters
