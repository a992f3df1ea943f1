# Runs the game for 30 frames through the SDL2 back end on SDL's offscreen
# video driver and dummy audio driver, in a copy of the development tree, and
# checks that it started and ended as it should.
file(REMOVE_RECURSE ${WORK_DIR})
file(COPY ${RUN_DIR}/data DESTINATION ${WORK_DIR})
set(ENV{SDL_VIDEODRIVER} offscreen)
set(ENV{SDL_AUDIODRIVER} dummy)
execute_process(
  COMMAND ${EXECUTABLE} --frames 30 --shots ${WORK_DIR}/shots
  WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE result
  TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "zephyra ended with <${result}> on the SDL2 back end")
endif()
file(READ ${WORK_DIR}/debug.txt log)
if(NOT log MATCHES "Astrokutter Zephyra" OR NOT log MATCHES "Exiting.\n$")
  message(FATAL_ERROR "debug.txt is not what a clean run writes:\n${log}")
endif()
if(NOT EXISTS ${WORK_DIR}/shots/frame000029.png)
  message(FATAL_ERROR "the SDL2 back end presented no picture for frame 29")
endif()
