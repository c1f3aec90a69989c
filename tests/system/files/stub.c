// A library that holds nothing but resources.
int vorlan_test_file_marker(void) { return 1; }
