# The programs carry their version, icon and manifest (common controls 6, per-monitor DPI, no elevation).
for program in Karvello.exe Unkarvel.exe; do
    resources=$(wine "$E2E_HELPER" resources "$E2E_PROGRAM_DIR_WIN\\$program") || e2e_fail "no resources in $program"
    echo "$resources" >"$E2E_ARTIFACTS/$program.resources.txt"
    expect_contains "$resources" "CompanyName=Tessary" "$program"
    expect_contains "$resources" "ProductName=Karvello" "$program"
    expect_contains "$resources" "FileVersion=1.0.0" "$program"
    expect_contains "$resources" "OriginalFilename=$program" "$program"
    # Karvello.exe also carries the Organize window's toolbar pictures, so it holds more than one icon.
    icons=$(echo "$resources" | sed -n 's/^Icons=\([0-9]*\).*/\1/p')
    [ "${icons:-0}" -ge 1 ] || e2e_fail "$program carries no icon"
    expect_contains "$resources" 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' "$program"
    expect_contains "$resources" "PerMonitorV2, PerMonitor</dpiAwareness>" "$program"
    expect_contains "$resources" 'level="asInvoker"' "$program"
done
