@ECHO OFF
rem Logon script for the design office
NET USE G: "\\FILES\MY DATA"
net use lpt2: "\\print\big laser"
net use R: "\\files\r&d"
net use S: \\files\sales
net use V: \\files\video(old)
net use T: \\files\a"b
set PFX=Hello 
set LF=^


echo %PFX%world
if exist "C:\x" ^
  echo yes >> ^
"C:\log.txt"
echo a^

    echo b

for %%u in (a b) do net use x: \\srv\%%u
for %%f in (a b) do (
    net use x: \\srv\%%f
    start C:\tools\%%f.exe
)
@echo on
echo Visible
@echo off
start "" "\\apps\tools\setup.exe"
type "\\files\netlogon\motd.txt"
pause
