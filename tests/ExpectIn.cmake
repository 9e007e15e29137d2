# expect_in(<text> <what> <expected>...): stops the script unless the text holds
# every expected piece.
function(expect_in text what)
  foreach(expected IN LISTS ARGN)
    string(FIND "${text}" "${expected}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "${what} lacks: ${expected}")
    endif()
  endforeach()
endfunction()
