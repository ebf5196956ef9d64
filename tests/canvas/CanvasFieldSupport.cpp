// The model tests' graphics with every field off its default, shared with the
// undo and clipboard round trips here.
#include "../foundation/GraphicTestSupport.cpp"
