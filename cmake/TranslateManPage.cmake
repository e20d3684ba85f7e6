# Makes a translated manual page, run by the build as `cmake -P`: the English page through
# po4a-translate with the language's PO file and addendum, compressed as the English page is
# (gzip -9n: the same sources always give the same bytes).
#   -DPO4A_TRANSLATE= -DGZIP=   the programs
#   -DMASTER=                   the English page
#   -DPO= -DADDENDUM=           the language's translation and what it adds to the page
#   -DOUTPUT=                   the compressed page to write (the page itself is left beside it)
# Only a wholly translated page is made: a page half in English would tell the player less than
# the English one does. po4a-translate declines to write such a page and still ends well, so the
# missing page is what stops the build here.
cmake_minimum_required(VERSION 3.25)
foreach(name PO4A_TRANSLATE GZIP MASTER PO ADDENDUM OUTPUT)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "TranslateManPage.cmake needs -D${name}=")
  endif()
endforeach()

string(REGEX REPLACE "\\.gz$" "" page "${OUTPUT}")
file(REMOVE "${page}" "${OUTPUT}")
execute_process(
  COMMAND "${PO4A_TRANSLATE}" --format man --master "${MASTER}" --master-charset UTF-8
          --po "${PO}" --localized-charset UTF-8 --addendum "${ADDENDUM}" --keep 100
          --localized "${page}"
  RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
# po4a 0.69 calls po4a-translate deprecated on every run; the rest of what it says matters.
string(REGEX REPLACE "[^\n]*is deprecated[^\n]*\n?" "" said "${said}")
string(STRIP "${said}" said)
if(NOT result EQUAL 0 OR NOT EXISTS "${page}")
  message(FATAL_ERROR "${said}\nNo manual page from ${PO}. When the English page has changed, "
                      "run scripts/update-man-po and translate what it reports untranslated "
                      "or fuzzy.")
endif()
if(said)
  message("${said}")
endif()

execute_process(COMMAND "${GZIP}" -9nc "${page}" OUTPUT_FILE "${OUTPUT}.part"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}.part")
  message(FATAL_ERROR "Could not compress ${page}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
