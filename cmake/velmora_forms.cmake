# Window forms: the form compiler and velmora_compile_form.
include_guard(GLOBAL)
include(ExternalProject)

# Makes the form compiler available once per build tree. A native tree builds it as one of its own
# targets; a cross tree cannot run what its toolchain makes, so it builds the compiler in a separate
# host build with the build machine's C++ compiler.
function(velmora_add_form_compiler)
    get_property(ready GLOBAL PROPERTY VELMORA_FORM_COMPILER SET)
    if(ready)
        return()
    endif()
    if(NOT TARGET velmora_forms)
        add_subdirectory(${PROJECT_SOURCE_DIR}/runtime/forms ${PROJECT_BINARY_DIR}/runtime/forms)
    endif()
    if(VELMORA_KIND STREQUAL "native")
        add_subdirectory(${PROJECT_SOURCE_DIR}/tools/form_compiler ${PROJECT_BINARY_DIR}/tools/form_compiler)
        set_property(GLOBAL PROPERTY VELMORA_FORM_COMPILER $<TARGET_FILE:velmora_form_compiler>)
        set_property(GLOBAL PROPERTY VELMORA_FORM_COMPILER_DEPENDS velmora_form_compiler)
        return()
    endif()
    find_program(VELMORA_HOST_CXX NAMES c++ g++ clang++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(binary_dir ${PROJECT_BINARY_DIR}/host/form_compiler)
    set(compiler ${binary_dir}/velmora_form_compiler)
    ExternalProject_Add(velmora_host_form_compiler
        SOURCE_DIR ${PROJECT_SOURCE_DIR}/tools/form_compiler
        BINARY_DIR ${binary_dir}
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VELMORA_HOST_CXX} -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS ON
        INSTALL_COMMAND ""
        BUILD_BYPRODUCTS ${compiler}
    )
    set_property(GLOBAL PROPERTY VELMORA_FORM_COMPILER ${compiler})
    set_property(GLOBAL PROPERTY VELMORA_FORM_COMPILER_DEPENDS velmora_host_form_compiler ${compiler})
endfunction()

# velmora_compile_form(target form_source [SYMBOL name] [ROUTINES header])
# Compiles the form source into a C++ file added to `target` that defines the velmora::CompiledForm
# `name` (default: k and the source's file stem in PascalCase, kMainForm for main_form.form). ROUTINES is
# the header, as included from the repository root, that declares the routines the form binds.
function(velmora_compile_form target form_source)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "SYMBOL;ROUTINES" "")
    velmora_add_form_compiler()
    cmake_path(ABSOLUTE_PATH form_source BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} OUTPUT_VARIABLE source)
    cmake_path(GET source STEM stem)
    if(NOT arg_SYMBOL)
        set(arg_SYMBOL k)
        string(REPLACE "_" ";" words ${stem})
        foreach(word IN LISTS words)
            string(SUBSTRING ${word} 0 1 first)
            string(TOUPPER ${first} first)
            string(SUBSTRING ${word} 1 -1 rest)
            string(APPEND arg_SYMBOL ${first}${rest})
        endforeach()
    endif()
    set(output ${CMAKE_CURRENT_BINARY_DIR}/${stem}_compiled.cpp)
    get_property(compiler GLOBAL PROPERTY VELMORA_FORM_COMPILER)
    get_property(depends GLOBAL PROPERTY VELMORA_FORM_COMPILER_DEPENDS)
    add_custom_command(OUTPUT ${output}
        COMMAND ${compiler} ${source} ${output} ${arg_SYMBOL} ${arg_ROUTINES}
        DEPENDS ${source} ${depends}
        COMMENT "Compiling form ${form_source}"
        VERBATIM
    )
    target_sources(${target} PRIVATE ${output})
    target_link_libraries(${target} PRIVATE velmora_forms)
endfunction()
