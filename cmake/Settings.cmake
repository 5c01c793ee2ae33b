# Build-time settings of the banner.
#
# TOLVANE_BANNER_BASE: scheme and host (and port) of the banner server; the
# page path continues with /adN.htm. The default is a loopback address so
# that no build calls out to a server we do not run; a deployment sets its
# own with -DTOLVANE_BANNER_BASE=https://host.
#
# TOLVANE_EXEMPT_DIGESTS: three MD5 digests (32 upper-case hex digits,
# comma-separated) of the upper-case machine names that show no banner. The
# defaults are those of our own machines TOLVANE-DEV, TOLVANE-BUILD and
# TOLVANE-QA; compute another with
#   printf %s MYHOST | md5sum | tr a-f A-F
set(TOLVANE_BANNER_BASE "http://127.0.0.1:8080" CACHE STRING
    "Scheme and host of the banner server (the path continues with /adN.htm)")
set(TOLVANE_EXEMPT_DIGESTS
    "B595E6598C7B895FC2A82FC3168F2F7B,5FC51BA54E88C2286CD44527FD3913B9,43171AAB27462CCF47874C1E904FB20A"
    CACHE STRING "Three MD5 digests (upper-case hex, comma-separated) of machine names that show no banner")

if(NOT TOLVANE_BANNER_BASE MATCHES "^https?://[^/]+$")
  message(FATAL_ERROR "TOLVANE_BANNER_BASE must be http(s)://host[:port] without a path: "
                      "'${TOLVANE_BANNER_BASE}'")
endif()
string(REPLACE "," ";" _tolvane_digests "${TOLVANE_EXEMPT_DIGESTS}")
list(LENGTH _tolvane_digests _tolvane_digest_count)
if(NOT _tolvane_digest_count EQUAL 3)
  message(FATAL_ERROR "TOLVANE_EXEMPT_DIGESTS must hold three digests: '${TOLVANE_EXEMPT_DIGESTS}'")
endif()
foreach(_digest IN LISTS _tolvane_digests)
  if(NOT _digest MATCHES "^[0-9A-F]+$" OR NOT _digest MATCHES "^................................$")
    message(FATAL_ERROR "TOLVANE_EXEMPT_DIGESTS: '${_digest}' is not 32 upper-case hex digits")
  endif()
endforeach()

target_compile_definitions(tolvane_gui PRIVATE
  TOLVANE_BANNER_BASE="${TOLVANE_BANNER_BASE}"
  TOLVANE_EXEMPT_DIGESTS="${TOLVANE_EXEMPT_DIGESTS}")
