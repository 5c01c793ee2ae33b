# Build-time settings of the banner. The default server is a loopback
# address so that no build calls out to a server we do not run; a deployment
# sets its own with -DTOLVANE_BANNER_BASE=https://host.
set(TOLVANE_BANNER_BASE "http://127.0.0.1:8080" CACHE STRING
    "Scheme and host of the banner server (the path continues with /adN.htm)")
set(TOLVANE_EXEMPT_DIGESTS
    "00000000000000000000000000000000,00000000000000000000000000000000,00000000000000000000000000000000"
    CACHE STRING "Three MD5 digests (upper-case hex, comma-separated) of machine names that show no banner")
target_compile_definitions(tolvane_core PRIVATE
  TOLVANE_BANNER_BASE="${TOLVANE_BANNER_BASE}"
  TOLVANE_EXEMPT_DIGESTS="${TOLVANE_EXEMPT_DIGESTS}")
