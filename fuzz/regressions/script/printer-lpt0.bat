net use lpt0 \\PRINT\LASER
