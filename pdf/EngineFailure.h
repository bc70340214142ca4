#pragma once

#include <stdexcept>
#include <string>

// A failure with one of PdfEngine's error codes, thrown inside the engine's
// units and turned into the last error code at the engine's boundary.
class EngineFailure : public std::runtime_error
{
public:
    EngineFailure(int code, const std::string &what = "engine failure") : std::runtime_error(what), code(code) {}

    int code;
};
