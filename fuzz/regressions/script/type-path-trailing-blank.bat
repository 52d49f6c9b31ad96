type "\\FILES\MOTD.TXT "
pause
