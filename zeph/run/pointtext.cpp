#include "run/pointtext.h"

#include <QCoreApplication>

#include "run/constants.h"
#include "tolvex/checkdata.h"

namespace zeph {

QString OutOfRangeText() {
    return QCoreApplication::translate("zeph::PointText", "データが表示範囲を超えています");
}

bool IsNumberText(const QString& text) {
    return CCheckData().Inspect_nData(text.toStdString()) == 1;
}

std::string EngineText(const QString& text) {
    if (text.contains(QLatin1Char(',')) && IsNumberText(text)) {
        QString stripped = text;
        stripped.remove(QLatin1Char(','));
        return stripped.toStdString();
    }
    return text.toStdString();
}

double TextValue(const QString& text) {
    return tolvex::CAtof(EngineText(text));
}

QString Format(const char* format, double value) {
    return QString::asprintf(format, value);
}

_CORVO FailedState() {
    _CORVO r{};
    r.Db = r.Wb = r.Rh = r.Dp = r.Hi = r.Xi = r.Px = r.Dn = kFailed;
    return r;
}

}  // namespace zeph
