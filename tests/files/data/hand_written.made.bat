@echo off

rem - Created with Kestrune

rem Logon script for the design office

NET USE G: "\\FILES\MY DATA"

NET USE LPT2 "\\PRINT\BIG LASER"

NET USE R: "\\FILES\R&D"

NET USE S: \\FILES\SALES

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

Start "" "\\APPS\TOOLS\SETUP.EXE"

type "\\FILES\NETLOGON\MOTD.TXT"
pause

