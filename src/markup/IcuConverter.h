#pragma once

// An ICU converter of one of the web's encodings, closed with its scope.
#include "markup/Encoding.h"

#include <unicode/ucnv.h>

namespace orvel::codec {

// The ICU converter whose table is the web's for `e`; nullptr where ICU is not used.
const char* icuConverterName(Encoding e);

struct Converter {
    explicit Converter(Encoding e)
    {
        UErrorCode err = U_ZERO_ERROR;
        if (const char* name = icuConverterName(e))
            cnv = ucnv_open(name, &err);
        if (U_FAILURE(err))
            cnv = nullptr;
    }
    ~Converter()
    {
        if (cnv)
            ucnv_close(cnv);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    UConverter* cnv = nullptr;
};

} // namespace orvel::codec
