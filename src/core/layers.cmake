# The core's layers, lowest first, and the sources of each. A layer may use
# its own and the layers before it: the build links each only with those
# (src/core/CMakeLists.txt), and tests/cmake/check_core_layers.cmake checks
# the includes. The fuzz build compiles the same sources again.
set(ZAN_CORE_LAYERS text files lathe view nc programs lcd panel station grading)

set(ZAN_CORE_TEXT_SOURCES
  text/format_fixed.cpp
  text/program_info.cpp
  text/read_number.cpp
  text/typed_value.cpp
  text/utf8.cpp)

set(ZAN_CORE_FILES_SOURCES
  files/data_folders.cpp
  files/file_replace.cpp
  files/gb2312.cpp
  files/gb2312_table.cpp
  files/gif_reader.cpp
  files/map_file.cpp
  files/parameter_files.cpp
  files/png_file.cpp
  files/program_file.cpp
  files/program_folder.cpp
  files/program_load.cpp
  files/regular_file.cpp
  files/trash.cpp)

set(ZAN_CORE_LATHE_SOURCES
  lathe/blank_input.cpp
  lathe/bridge_actions.cpp
  lathe/cylinder_shade.cpp
  lathe/geometry.cpp
  lathe/lathe.cpp
  lathe/machine_actions.cpp
  lathe/measurement.cpp
  lathe/move_tool.cpp
  lathe/regions.cpp
  lathe/tool_change.cpp
  lathe/tool_shapes.cpp
  lathe/turret.cpp
  lathe/turret_frame.cpp
  lathe/workpiece_image.cpp)

# The lathe view's drawing; its pictures' bytes come from a source made at
# build time (cmake/lathe_pictures.cmake).
set(ZAN_CORE_VIEW_SOURCES
  view/lathe_pictures.cpp
  view/lathe_view.cpp
  view/machine_painter.cpp
  view/picture_codec.cpp
  view/raster.cpp
  view/shade_cache.cpp
  view/view_glyph_data.cpp
  view/view_text.cpp)

set(ZAN_CORE_NC_SOURCES
  nc/arcs.cpp
  nc/block_motion.cpp
  nc/checker.cpp
  nc/interpreter.cpp
  nc/machine_functions.cpp
  nc/motion.cpp
  nc/peck_cycles.cpp
  nc/rough_cut.cpp
  nc/rough_path.cpp
  nc/single_pass_cycles.cpp
  nc/stepped_run.cpp
  nc/stock_removal.cpp)

set(ZAN_CORE_PROGRAMS_SOURCES
  programs/program_store.cpp)

set(ZAN_CORE_LCD_SOURCES
  lcd/lcd_boxes.cpp
  lcd/lcd_font.cpp
  lcd/lcd_renderer.cpp
  lcd/lcd_screen.cpp)

set(ZAN_CORE_PANEL_SOURCES
  panel/auto_keys.cpp
  panel/auto_run.cpp
  panel/direct_keys.cpp
  panel/editor.cpp
  panel/entry_keys.cpp
  panel/key_dispatch.cpp
  panel/key_table.cpp
  panel/lcd_list_screens.cpp
  panel/lcd_listing.cpp
  panel/lcd_pages.cpp
  panel/lcd_screens.cpp
  panel/lcd_status.cpp
  panel/lcd_texts.cpp
  panel/list_keys.cpp
  panel/manual_entry.cpp
  panel/manual_keys.cpp
  panel/mode_keys.cpp
  panel/mode_lamps.cpp
  panel/overlay_fields.cpp
  panel/panel.cpp
  panel/panel_link.cpp
  panel/plain_fields.cpp
  panel/program_keys.cpp
  panel/save_reports.cpp
  panel/spindle_keys.cpp
  panel/value_entry.cpp)

set(ZAN_CORE_STATION_SOURCES
  station/headless.cpp
  station/key_script.cpp
  station/lcd_frame_window.cpp
  station/machine_commands.cpp
  station/move_trace.cpp
  station/panel_events.cpp
  station/run_verbs.cpp
  station/script_output.cpp
  station/script_player.cpp
  station/scripted_controller.cpp
  station/station.cpp)

set(ZAN_CORE_GRADING_SOURCES
  grading/class_grading.cpp
  grading/class_report.cpp
  grading/comparison.cpp
  grading/glyphs.cpp
  grading/part_picture.cpp
  grading/part_profile.cpp
  grading/program_findings.cpp
  grading/program_runs.cpp)
