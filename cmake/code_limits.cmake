# The limits the manual pages state, read from their one home in the code, so a page cannot
# disagree with the program:
#   ASTRIVO_FIRST_BIRTH_YEAR, ASTRIVO_LAST_BIRTH_YEAR   the birth years accepted
#   ASTRIVO_FIRST_RATED_DATE, ASTRIVO_LAST_RATED_DATE   "1 March 1900": the days rated
#   ASTRIVO_MAX_SPAN_DAYS                               the longest span astrivo-cli rates
set(calendar_header ${PROJECT_SOURCE_DIR}/engine/calendar_date.h)
set(cli_header ${PROJECT_SOURCE_DIR}/cli/cli_command.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${calendar_header} ${cli_header})
file(READ ${calendar_header} calendar_text)
file(READ ${cli_header} cli_text)

function(astrivo_constant text pattern)
  string(REGEX MATCH "${pattern}" found "${text}")
  if(NOT found)
    message(FATAL_ERROR "no '${pattern}' in the code's limits")
  endif()
  set(CMAKE_MATCH_1 ${CMAKE_MATCH_1} PARENT_SCOPE)
  set(CMAKE_MATCH_2 ${CMAKE_MATCH_2} PARENT_SCOPE)
  set(CMAKE_MATCH_3 ${CMAKE_MATCH_3} PARENT_SCOPE)
endfunction()

astrivo_constant("${calendar_text}" "kFirstAcceptedYear = ([0-9]+);")
set(ASTRIVO_FIRST_BIRTH_YEAR ${CMAKE_MATCH_1})
astrivo_constant("${calendar_text}" "kLastAcceptedYear = ([0-9]+);")
set(ASTRIVO_LAST_BIRTH_YEAR ${CMAKE_MATCH_1})
astrivo_constant("${cli_text}" "kMaxSpanDays = ([0-9]+);")
set(ASTRIVO_MAX_SPAN_DAYS ${CMAKE_MATCH_1})

set(month_names January February March April May June July August September October November
                December)
foreach(end First Last)
  string(TOUPPER ${end} upper)
  astrivo_constant("${calendar_text}" "k${end}SteadyDate{([0-9]+), ([0-9]+), ([0-9]+)}")
  math(EXPR month_index "${CMAKE_MATCH_2} - 1")
  list(GET month_names ${month_index} month)
  set(ASTRIVO_${upper}_RATED_DATE "${CMAKE_MATCH_1} ${month} ${CMAKE_MATCH_3}")
endforeach()
