# Our own code builds with every warning as an error.
function(zarvo_strict target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
