# A refreshed Organized Folders directory as the user meets it in Explorer: the group folder G and the
# shortcuts A and "A as Explorer", Desktop.ini hidden. The mirror is written by win_tests.exe (the refresh
# against the real shell and disk), then Wine's Explorer opens the directory and the screen is kept as the
# artifact organized-folders.png.
windows_tests=$(dirname "$E2E_HELPER")/win_tests.exe
[ -f "$windows_tests" ] || e2e_fail "win_tests.exe is not built"
keep='C:\users\Public\krv'
directory="$keep\\desktop\\Organized Folders"
KARVELLO_ORGANIZED_KEEP=$keep wine "$windows_tests" --gtest_filter='OrganizedFoldersOnDiskTest.WritesTheTree*' \
    >"$E2E_ARTIFACTS/win_tests.log" 2>&1 || e2e_fail "the refresh failed: $(tail -5 "$E2E_ARTIFACTS/win_tests.log")"
expect_file "$directory\\A.lnk"
expect_file "$directory\\G\\B.lnk"
expect_file "$directory\\Desktop.ini"

wine explorer "$directory" >"$E2E_ARTIFACTS/explorer.log" 2>&1 &
explorer=$(wait_window --title 'Organized Folders' --visible --timeout 20)
sleep 2 # let the list fill in
screenshot organized-folders
post_message "$explorer" WM_CLOSE
wait_window_gone "$explorer"
