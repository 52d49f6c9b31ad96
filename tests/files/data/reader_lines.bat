NET USE G: \\FILES\APPS
net use g: \\files\apps
  net use \\files\apps  
net use g: \\print\lpt1
NET USE H: /HOME
NET USE * /home
net use h: /HOME
NET USE LPT2 \\PRINT\LASER
net use lpt2: \\print\laser
net use LPT9 "\\p\q"
net use * "\\s\a b"
net use lpt3 "\\p\q"
net use "\\s\x"
net use /home
net use \\files\r&d
net use 1: \\files\apps
net use ?: \\files\apps
net use &: \\files\apps
net use #: /home
net use %: \\s\x
net use g: \\%server%\apps
net use g: "\\files\my data"
net use	g:	\\files\tabbed
NET USE Z: \\SRV\SHARE$
net use * \\srv\share\sub\folder
net use k: \\srv\x\
net use G: /DELETE
net use T: \\FILES\TEMP /PERSISTENT:NO
net use h: /home \\srv\users
net use /persistent:no g: \\s\x
net use lpt1 printer
net use lpt12 \\p\q
net user bob \\srv
net use g: "\\s\a"b"
net use g: "\\srv\x "
net use g: \\srv\%~1
net use g: \\srv\%%a
net usex: \\srv\x
net use g: \\s\x >nul
net use g: \\s\x pass
net use g: \\s\x *
net use * /delete /yes
net use lpt1 /delete
net use g: \\s\x /user:corp\jo /savecred /persistent:yes /y
net use h: /home /persistent:no
Start "" "\\APPS\TOOLS\SETUP.EXE"
Start "\\APPS\SETUP.EXE"
start c:\windows\notepad.exe
start " c:\tools\setup.reg "
start "" c:\tools\policy.reg
start \\files\netlogon\policy.reg
start "" "C:\Program Files\Tool\tool.exe"
start c:x.exe
start c:\a&b.exe
start notepad
start "Title" "c:\x.exe"
start c:\x.exe /quiet
start /wait c:\x.exe
start %LOGONSERVER%\x.exe
startup.cmd \\srv\x
\\apps\bginfo.exe \\apps\x.bgi /timer:0
"C:\Program Files\x.exe" /s
call \\srv\netlogon\inventory.cmd
call setup.bat
reg import \\srv\netlogon\policy.reg
regedit /s %USERNAME%.reg
echo Hello World
rename a.txt b.txt
pause
type \\files\netlogon\motd.txt
pause
type "C:\M.TXT"
PAUSE
type motd.txt
type \\files\motd.txt
cls
