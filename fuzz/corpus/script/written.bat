@echo off

rem - Created with Kestrune

NET USE G: \\FILES\APPS

NET USE * /HOME

NET USE LPT2 \\PRINT\LASER

NET USE \\PRINT\COLOR

NET USE * "\\FILES\MY SHARE"

Start "" "\\APPS\TOOLS\SETUP.EXE"

Start "" "C:\FILES\POLICY.REG"

type "\\FILES\NETLOGON\MOTD.TXT"
pause

echo Welcome

