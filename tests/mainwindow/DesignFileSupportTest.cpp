// The foundation tests' graphics with every field off its default, shared
// with the design-file tests of this folder.
#include "../foundation/GraphicTestSupport.cpp"
