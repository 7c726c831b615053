// Bracket files as another tool would write them, shared by the tests that
// open them through the editor.
#ifndef DUELMARK_TESTS_SUPPORT_SAMPLE_BRACKETS_H
#define DUELMARK_TESTS_SUPPORT_SAMPLE_BRACKETS_H

// Four teams, A through the first semi-final, nothing else picked.
const char CUP_XML[] =
    "<Games><Title>Cup</Title><Teams>4</Teams>"
    "<Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/>"
    "<Team Name=\"A\" id=\"5\"/><Team Name=\"\" id=\"6\"/><Team Name=\"\" id=\"7\"/></Games>";

// Eight teams A to H, nothing picked.
const char EIGHT_XML[] =
    "<Games><Title>Eight</Title><Teams>8</Teams>"
    "<Team Name=\"A\" id=\"1\"/><Team Name=\"B\" id=\"2\"/><Team Name=\"C\" id=\"3\"/><Team Name=\"D\" id=\"4\"/>"
    "<Team Name=\"E\" id=\"5\"/><Team Name=\"F\" id=\"6\"/><Team Name=\"G\" id=\"7\"/><Team Name=\"H\" id=\"8\"/>"
    "</Games>";

#endif
