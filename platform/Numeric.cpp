#include "platform/Numeric.h"

namespace platform {

double LeadingNumber(QStringView text) {
    const qsizetype length = text.size();
    qsizetype i = 0;
    while (i < length && (text[i] == u' ' || text[i] == u'\t')) ++i;
    double sign = 1.0;
    if (i < length && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-') sign = -1.0;
        ++i;
    }
    double value = 0.0;
    bool anyDigit = false;
    while (i < length && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10.0 + (text[i].unicode() - u'0');
        anyDigit = true;
        ++i;
    }
    if (i < length && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < length && text[i] >= u'0' && text[i] <= u'9') {
            value += (text[i].unicode() - u'0') * scale;
            scale /= 10.0;
            anyDigit = true;
            ++i;
        }
    }
    return anyDigit ? sign * value : 0.0;
}

}  // namespace platform
