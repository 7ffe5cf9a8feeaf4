// Process entry point: hands the command line to the driver.
#include "driver/telvaros.h"

int main(int argc, char** argv) { return telvaros(argc, argv); }
