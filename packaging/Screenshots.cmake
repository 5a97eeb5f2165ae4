# SPDX-License-Identifier: GPL-3.0-or-later
# Screenshots for software centres: pictures of the main window made by the screenshot program
# (tests/screenshots) of this very build, shipped in share/zindle/screenshots. The metadata names
# them at the project's site, where each release publishes the same files (AppStream takes only
# web addresses). Without the tests there is no screenshot program, and the metadata names none.
# Sets screenshot_pngs (the files made) and ZINDLE_METAINFO_SCREENSHOTS (the metadata's entries).
set(screenshot_url https://zindle.org/screenshots/${PROJECT_VERSION})
# Name and caption of each picture, the first the software centre's main one.
set(screenshots
  "main-1-design|A design drawn on the sheet, axles and weights"
  "main-3-build|The car built from its board layers in 3D"
  "main-5-simulate|A run simulated over the 15 ft course"
  "main-6-race|Designs raced against each other")
set(screenshot_pngs)
set(ZINDLE_METAINFO_SCREENSHOTS "")
if(TARGET zindle_screenshots)
  set(screenshot_dir ${CMAKE_BINARY_DIR}/screenshots)
  set(default " type=\"default\"")
  foreach(entry IN LISTS screenshots)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 name)
    list(GET entry 1 caption)
    list(APPEND screenshot_pngs ${screenshot_dir}/${name}.png)
    string(APPEND ZINDLE_METAINFO_SCREENSHOTS
      "    <screenshot${default}>\n"
      "      <caption>${caption}</caption>\n"
      "      <image type=\"source\">${screenshot_url}/${name}.png</image>\n"
      "    </screenshot>\n")
    set(default "")
  endforeach()
  set(ZINDLE_METAINFO_SCREENSHOTS "  <screenshots>\n${ZINDLE_METAINFO_SCREENSHOTS}  </screenshots>")
  add_custom_command(OUTPUT ${screenshot_pngs}
    COMMAND ${build_tool_env} QT_QPA_PLATFORM=offscreen $<TARGET_FILE:zindle_screenshots>
            --gtest_filter=Screenshots.MainWindowInEveryModeAndEveryDialog
    DEPENDS zindle_screenshots
    COMMENT "Taking the screenshots of the main window"
    VERBATIM)
  install(FILES ${screenshot_pngs} DESTINATION share/zindle/screenshots)
endif()
