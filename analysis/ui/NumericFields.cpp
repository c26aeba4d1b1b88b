#include "NumericFields.h"

#include <stdexcept>
#include <string>

#include "DisplayText.h"
#include "NumberText.h"

namespace brisal {

namespace {

template <class Field, class Value>
Field* MakeField(const char* name, const char* text, Value min, Value max) {
    auto* field = new Field;
    field->setObjectName(QString::fromLatin1(name));
    field->setText(QString::fromLatin1(text));
    field->setMinValue(min);
    field->setMaxValue(max);
    return field;
}

}  // namespace

halvern::TFloatEdit* RealField(const char* name, const char* text, long double min,
                               long double max) {
    return MakeField<halvern::TFloatEdit>(name, text, min, max);
}

halvern::TIntegerEdit* IntegerField(const char* name, const char* text, int32_t min, int32_t max) {
    return MakeField<halvern::TIntegerEdit>(name, text, min, max);
}

long double RealValue(const halvern::TFloatEdit& edit) {
    const std::string text = halvern::CoreText(edit.text());
    long double value = 0;
    if (!halvern::ParseReal(text, value))
        throw std::invalid_argument("'" + text + "' is not a valid floating point value");
    return value;
}

int32_t IntegerValue(const halvern::TIntegerEdit& edit) {
    const std::string text = halvern::CoreText(edit.text());
    int32_t value = 0;
    if (!halvern::ParseInt32(text, value))
        throw std::invalid_argument("'" + text + "' is not a valid integer value");
    return value;
}

}  // namespace brisal
