@ECHO OFF
REM drives
net use h: /home
net use lpt1: \\print\lpt
net use g: \\print\lpt
NET USE G: /DELETE
net use T: \\FILES\TEMP /PERSISTENT:NO
start c:\tools\a.reg
start "title" "c:\x.exe" /min
startup.cmd
type c:\motd.txt
echo %USERNAME%
	type "\\s\m.txt"  
  pause
if exist C:\TEMP\*.TMP del C:\TEMP\*.TMP
