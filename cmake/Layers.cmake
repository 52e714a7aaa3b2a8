# Each folder of the game is a layer: a static library that may use only the
# layers below it. Its headers are reachable through a directory of its own
# that holds just that folder, so an include that runs back up does not build.

# Qt's headers are most of the compile time: one precompiled header, shared
# by every layer, the executable and the tests.
add_library(quorvane_pch OBJECT ${PROJECT_SOURCE_DIR}/cmake/pch.cpp)
target_link_libraries(quorvane_pch PUBLIC Qt6::Widgets)
target_precompile_headers(quorvane_pch PUBLIC ${PROJECT_SOURCE_DIR}/cmake/pch.h)

function(quorvane_use_pch target)
    target_precompile_headers(${target} REUSE_FROM quorvane_pch)
endfunction()

# quorvane_layer(<folder> [MOC] [DEPENDS <layer>...])
function(quorvane_layer folder)
    cmake_parse_arguments(LAYER "MOC" "" "DEPENDS" ${ARGN})
    set(target quorvane_${folder})
    file(GLOB sources CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${target} STATIC ${sources})

    set(include_root ${PROJECT_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${include_root})
    if(NOT EXISTS ${include_root}/${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${include_root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${include_root})

    set(below Qt6::Widgets)
    foreach(layer IN LISTS LAYER_DEPENDS)
        list(APPEND below quorvane_${layer})
    endforeach()
    target_link_libraries(${target} PUBLIC ${below})
    set_target_properties(${target} PROPERTIES AUTOMOC ${LAYER_MOC})
    if(LAYER_MOC)
        # With Ninja, moc would otherwise not look at a header added to a
        # configured build until something it already knew changed.
        set_property(TARGET ${target} APPEND PROPERTY AUTOGEN_TARGET_DEPENDS ${sources})
    endif()
    quorvane_use_pch(${target})
    # A layer compiles as a few large files: starting the compiler for each
    # small one cost more than compiling it.
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 16)
endfunction()
