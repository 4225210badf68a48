// The tags of the caption markup: what each opening and closing tag does to the font,
// the colours, the call's flags and the line being built.
#pragma once

#include "markup/MarkupState.h"

#include <string>

// Applies the tag at the front of markup (which starts with "<" and has at least 3
// characters) in the pass's mode; in the drawing pass it also draws. Removing the tag
// text from markup is left to the line pass.
void HandleMarkupTag(TMarkupCall& call, TLinePass& pass, const std::string& markup);
