# Operating-system code sits next to what it serves, named after its
# platform: *_win.cc is built only for Windows, *_posix.cc everywhere else.
function(ftcalc_keep_platform_sources list_var)
  if(WIN32)
    list(FILTER ${list_var} EXCLUDE REGEX "_posix\\.(c|cc)$")
  else()
    list(FILTER ${list_var} EXCLUDE REGEX "_win\\.(c|cc)$")
  endif()
  set(${list_var} ${${list_var}} PARENT_SCOPE)
endfunction()
