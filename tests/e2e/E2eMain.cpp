// Placeholder so that the black-box layer builds; scenarios follow.
#include <gtest/gtest.h>
