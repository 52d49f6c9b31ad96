@echo off
net use k: "\\files\pgm" /user:CORP\jo /savecred /persistent:no /y >nul
NET USE H: /HOME /PERSISTENT:YES
net use lpt2: \\print\laser /yes
net use /delete g:
NET USE * /D /Y
net use lpt1 /del 1>nul
net use \\files\apps
net use g: \\s\x secret
start "" "\\apps\x.exe" /s "a b"
start c:\tools\run.exe -q
"\\apps\bginfo.exe" \\apps\x.bgi /timer:0
C:\tools\x.msi /q
call %LOGONSERVER%\inv.bat /q
reg import %USERNAME%.reg
regedit.exe -s "\\files\p.reg"
