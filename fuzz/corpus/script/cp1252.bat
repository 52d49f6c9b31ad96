echo Grüße aus München € %DATE%
net use Ä: \\SRV\ä
