# How the build makes a translated manual page (cmake/TranslateManPage.cmake), on a small page:
# a wholly translated page is made, with the translation in it; a translation that has fallen
# behind the English page (a paragraph changed and the PO file not brought up to date, or brought
# up to date and the paragraph left fuzzy) makes no page and stops the build.
#   -DPO4A_TRANSLATE= -DGZIP=   the programs
#   -DSOURCE_DIR=               this folder; -DADDENDUM= the Japanese page's addendum
#   -DTRANSLATE_SCRIPT=         cmake/TranslateManPage.cmake
#   -DWORK_DIR=                 a folder for the cases' files
cmake_minimum_required(VERSION 3.25)
file(READ "${SOURCE_DIR}/whole.po" whole)
set(paragraph "msgid \"The merchant answers yes or no.\"")
string(REPLACE "${paragraph}" "msgid \"The merchant answers with yes or no.\"" stale "${whole}")
string(REPLACE "${paragraph}" "#, fuzzy\n${paragraph}" fuzzy "${whole}")

file(REMOVE_RECURSE "${WORK_DIR}")
foreach(case whole stale fuzzy)
  file(WRITE "${WORK_DIR}/${case}.po" "${${case}}")
  set(page "${WORK_DIR}/${case}/shop.6.gz")
  file(MAKE_DIRECTORY "${WORK_DIR}/${case}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -DPO4A_TRANSLATE=${PO4A_TRANSLATE} -DGZIP=${GZIP}
            -DMASTER=${SOURCE_DIR}/page.6 -DPO=${WORK_DIR}/${case}.po -DADDENDUM=${ADDENDUM}
            -DOUTPUT=${page} -P "${TRANSLATE_SCRIPT}"
    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(case STREQUAL "whole")
    if(NOT result EQUAL 0 OR NOT EXISTS "${page}")
      message(FATAL_ERROR "whole: no page was made:\n${said}")
    endif()
    execute_process(COMMAND "${GZIP}" -dc "${page}" OUTPUT_VARIABLE text)
    foreach(wanted "主人は「はい」か「いいえ」で答える。" ".SH 名前" ".mso ja.tmac")
      string(FIND "${text}" "${wanted}" at)
      if(at EQUAL -1)
        message(FATAL_ERROR "whole: the page lacks '${wanted}':\n${text}")
      endif()
    endforeach()
  else()
    if(result EQUAL 0 OR EXISTS "${page}")
      message(FATAL_ERROR "${case}: a page was made from a translation behind the English page")
    endif()
    if(NOT said MATCHES "scripts/update-man-po")
      message(FATAL_ERROR "${case}: the build does not say how to mend it:\n${said}")
    endif()
  endif()
endforeach()
