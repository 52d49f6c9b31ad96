start "\\APPS\POLICY.REG "
