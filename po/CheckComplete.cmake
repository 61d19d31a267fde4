# Fails when a joined catalogue has untranslated or fuzzy messages.
execute_process(COMMAND ${MSGFMT} --statistics -o /dev/null ${CATALOGUE}
                ERROR_VARIABLE stats OUTPUT_VARIABLE stats_out RESULT_VARIABLE rc)
string(STRIP "${stats}" stats)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "msgfmt failed on ${CATALOGUE}: ${stats}")
endif()
if(stats MATCHES "untranslated" OR stats MATCHES "fuzzy")
  message(FATAL_ERROR "Incomplete catalogue ${CATALOGUE}: ${stats}")
endif()
