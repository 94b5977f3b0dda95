# The layers of the tree, checked on the sources themselves: the core (planning/, render/,
# loaddraw/) includes neither Qt nor anything of the shell and the front ends, and the command
# line includes nothing of the window. The include path is the project root for every library,
# so the compiler alone would accept such an include.
#
#   cmake -DROOT=<source tree> -P checklayers.cmake
# Fails listing every include that crosses a layer.

if(NOT ROOT)
    message(FATAL_ERROR "give -DROOT=<source tree>")
endif()

# Folder -> what its includes must not name. Qt headers are <QString>, <QtGui/...>, <qglobal.h>.
set(qt_or_above [[[<"](Q[A-Za-z]|Qt[A-Za-z]*/|q[a-z]+\.h)|"(shell|settings|canvas|app|cli)/|\.\./]])
set(rule_planning "${qt_or_above}")
set(rule_render "${qt_or_above}")
set(rule_loaddraw "${qt_or_above}")
set(rule_cli [["app/|\.\./app/]])
set(rule_report [["(app|cli)/|\.\./(app|cli)/]])

set(crossings "")
set(checked 0)
foreach(folder planning render loaddraw cli report)
    file(GLOB_RECURSE sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source ${sources})
        math(EXPR checked "${checked} + 1")
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            if(line MATCHES "${rule_${folder}}")
                file(RELATIVE_PATH name ${ROOT} ${source})
                string(APPEND crossings "\n  ${name}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "no sources found below ${ROOT}")
endif()
if(crossings)
    message(FATAL_ERROR "includes that cross a layer:${crossings}")
endif()
message(STATUS "${checked} sources keep to their layer")
