# Which build this tree is: the 32-bit Windows product, the 64-bit stand-in shell, or the native portable tests.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(VELMORA_KIND windows)
elseif(WIN32)
    set(VELMORA_KIND windows64)
else()
    set(VELMORA_KIND native)
endif()

option(VELMORA_SANITIZE "Build the native tests with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
set(CMAKE_CXX_EXTENSIONS OFF)

if(VELMORA_KIND STREQUAL "native")
    # The same 32-bit value layout as the product.
    add_compile_options(-m32)
    add_link_options(-m32)
    if(VELMORA_SANITIZE)
        add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        add_link_options(-fsanitize=address,undefined)
    endif()
else()
    # One self-contained exe: no DLL of ours or of the toolchain beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
    add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# Our own code: every warning is an error. Third-party code (GoogleTest) is built without this.
# Sources are UTF-8; narrow literals become code page 936 bytes, the system's own texts. (Only for our
# code: the standard <chrono> holds a literal that code page 936 cannot encode, so GoogleTest, which
# includes it, is built without the conversion, and our code does without <chrono>.)
function(velmora_code target)
    target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=GBK
        -Wall -Wextra -Werror -Wno-missing-field-initializers)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
