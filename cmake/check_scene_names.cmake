# Fails when the layers that serve every scene name one of them, or when a step code is written
# as a bare number:
# - the middle layer and the desktops (SCENE_NEUTRAL folders) name no scene window and no item
#   of a scene's menu: they go through the list of scenes;
# - no source (NAMED_CODES folders) compares PendingAction (or, on the road, a traveller's
#   EventCode) with a bare number or sets it to one: each scene declares its step codes by name.
cmake_policy(SET CMP0057 NEW)  # IN_LIST

set(scene_windows frmShop frmField frmArms frmASell frmABuy frmFItem frmFStatus frmShopItem
    frmList frmStatus frmOrder)

# The items of every scene's menu, read from the menu tables of the scenes' rows and from the
# names their headers give the items every scene may carry.
set(menu_items "")
file(GLOB scene_rows ${SOURCE_DIR}/*/*_scene.cpp)
foreach(row IN LISTS scene_rows)
  file(STRINGS ${row} lines REGEX "^ *\\{\"[A-Za-z0-9_]+\", \"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^ *\\{\"([A-Za-z0-9_]+)\".*" "\\1" item "${line}")
    list(APPEND menu_items ${item})
  endforeach()
endforeach()
file(GLOB scene_headers ${SOURCE_DIR}/*/*_scene.h)
foreach(header IN LISTS scene_headers)
  file(STRINGS ${header} lines REGEX "^inline constexpr .*\"")
  foreach(line IN LISTS lines)
    string(REGEX MATCHALL "\"[A-Za-z0-9_]+\"" quoted "${line}")
    foreach(item IN LISTS quoted)
      string(REPLACE "\"" "" item "${item}")
      list(APPEND menu_items ${item})
    endforeach()
  endforeach()
endforeach()

set(faults "")
foreach(folder IN LISTS SCENE_NEUTRAL)
  file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    file(STRINGS ${source} lines)
    foreach(line IN LISTS lines)
      if(line MATCHES "^ *//")
        continue()
      endif()
      foreach(window IN LISTS scene_windows)
        if(line MATCHES "Window::${window}[^A-Za-z]")
          string(APPEND faults "\n  ${name} names the scene window ${window}")
        endif()
      endforeach()
      foreach(item IN LISTS menu_items)
        if(line MATCHES "\"${item}\"")
          string(APPEND faults "\n  ${name} names the menu item ${item}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

foreach(folder IN LISTS NAMED_CODES)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    # On the road EventCode is a traveller's step in his conversation; in the shop it names the
    # story's visitor, and 0 there is nobody's.
    set(codes "PendingAction")
    if(folder STREQUAL "field")
      set(codes "PendingAction|EventCode")
    endif()
    file(STRINGS ${source} lines REGEX "${codes}")
    foreach(line IN LISTS lines)
      # Comments, and the answer raising the code by one, are not step codes.
      if(line MATCHES "^ *//" OR line MATCHES "AddTo\\(")
        continue()
      endif()
      if(line MATCHES "(${codes}) *(==|!=|<=|>=|<|>|=) *-?[0-9]"
         OR line MATCHES "PendingAction, *-?[0-9]")
        string(STRIP "${line}" line)
        string(APPEND faults "\n  ${name}: a bare step code: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Scene names or bare step codes where they do not belong:${faults}")
endif()
