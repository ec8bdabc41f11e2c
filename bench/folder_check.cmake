# folder_check: times the folder check behind each keystroke of the
# picture-folder setup against a folder of 10,000 files. Run it headless:
#   QT_QPA_PLATFORM=offscreen ./folder_check [files] [keystrokes]
add_executable(folder_check ${CMAKE_CURRENT_LIST_DIR}/folder_check.cpp)
target_link_libraries(folder_check PRIVATE kotebu_folder_setup Qt6::Widgets)
