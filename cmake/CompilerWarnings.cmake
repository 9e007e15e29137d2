# Every target of ours calls talpora_set_warnings(); third-party headers stay quiet
# because Qt and pugixml come in as system include directories.
function(talpora_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  # Every QString made from a literal says how its bytes are encoded.
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII)
endfunction()
