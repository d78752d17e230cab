# Compiler settings every target of the project shares.
function(corvane_target_defaults target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wno-missing-field-initializers)
    if(CORVANE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(CORVANE_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=undefined)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# corvane_subsystem(<name> [LOGIC files...] [WIDGETS files...] [DEPENDS targets...])
# Makes corvane_<name> from the files that need QtCore at most and
# corvane_<name>_ui from the windows and panels, so a subsystem's logic is
# tested without widgets and one subsystem's build never waits on another's.
# The main window links every subsystem target made here.
function(corvane_subsystem name)
    cmake_parse_arguments(ARG "" "" "LOGIC;WIDGETS;DEPENDS" ${ARGN})
    set(made)
    if(ARG_LOGIC)
        add_library(corvane_${name} STATIC ${ARG_LOGIC})
        target_link_libraries(corvane_${name} PUBLIC corvane_core ${ARG_DEPENDS})
        corvane_target_defaults(corvane_${name})
        list(APPEND made corvane_${name})
    endif()
    if(ARG_WIDGETS)
        add_library(corvane_${name}_ui STATIC ${ARG_WIDGETS})
        target_link_libraries(corvane_${name}_ui PUBLIC corvane_core corvane_widgets ${made} ${ARG_DEPENDS} Qt6::Gui Qt6::Widgets)
        corvane_target_defaults(corvane_${name}_ui)
        list(APPEND made corvane_${name}_ui)
    endif()
    set_property(GLOBAL APPEND PROPERTY CORVANE_SUBSYSTEM_TARGETS ${made})
endfunction()
