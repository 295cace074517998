# On a system where Karvello has never run, the uninstaller does nothing at all and ends.
expect_no_reg_key 'HKCU\Software\Tessary\Karvello'
start_program Unkarvel.exe
wait_exit 10 0
expect_no_reg_key 'HKCU\Software\Tessary\Karvello'
