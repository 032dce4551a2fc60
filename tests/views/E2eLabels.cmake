# Run by CTest after the test discovery: the end-to-end tests of the forms are
# GUI tests too.
if(vesk4_views_e2e_tests)
  set_tests_properties(${vesk4_views_e2e_tests} PROPERTIES LABELS "gui;e2e")
endif()
