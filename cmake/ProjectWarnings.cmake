# Our own targets build with warnings as errors; third-party sources (GoogleTest) keep their own flags.
function(project_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Werror)
endfunction()
