@echo off
rem ------------------------------------------------------------
rem  Logon script for the accounts department
rem  Kept by the network team - last changed March 2009
rem ------------------------------------------------------------

rem Set the clock from the file server
net time \\FILES /set /yes

rem Drives
NET USE G: \\FILES\APPS
NET USE H: /HOME
net use S: \\FILES\ACCOUNTS
net use * \\FILES\PUBLIC
net use T: \\FILES\TEMP /PERSISTENT:NO

rem Printers
NET USE LPT1 \\PRINT\LASER
net use lpt2: \\PRINT\CHEQUES

rem Policies and tools
start "\\FILES\NETLOGON\ACCOUNTS.REG"
Start "" "\\APPS\TOOLS\VIRUSCAN.EXE"

rem Message of the day
type "\\FILES\NETLOGON\MOTD.TXT"
pause

if exist C:\TEMP\*.TMP del C:\TEMP\*.TMP
echo Good morning, %USERNAME%.
