#include "corvo/corvoapp.h"

#include <cmath>
#include <utility>

#include "constants.h"
#include "corvo/message.h"

using namespace corvo::k;

CCorvoApp::CCorvoApp() {
    SetUnitChange(0);
}

CCorvoApp::CCorvoApp(int mode) {
    SetUnitChange(mode);
}

CCorvoApp::CCorvoApp(const CCorvoApp& other) = default;

CCorvoApp& CCorvoApp::operator=(const CCorvoApp& other) = default;

CCorvoApp::~CCorvoApp() = default;

_CORVO CCorvoApp::SetData(double Db, double Wb, double Rh, double Dp, double Hi, double Xi,
                          double Px, double Dn, double Mt) const {
    return _CORVO{Db, 0, 0, Wb, Rh, Dp, Hi, Xi, 0, 0, Px, Dn, Mt};
}

_CORVO CCorvoApp::Corvo_Error(std::string where) const {
    const _CORVO rec = SetData(kOutOfRange, kOutOfRange, kOutOfRange, kOutOfRange, kOutOfRange,
                               kOutOfRange, kOutOfRange, kOutOfRange, 0);
    corvo::ShowErrorMessage("Out of Range ( " + std::move(where) + " ) !");
    return rec;
}

_CORVO CCorvoApp::Corvo_Checked(const _CORVO& rec, const char* where) const {
    const double fields[] = {rec.Db, rec.Db1, rec.Db2, rec.Wb, rec.Rh, rec.Dp, rec.Hi,
                             rec.Xi, rec.Xi1, rec.Xi2, rec.Px, rec.Dn, rec.Mt};
    for (double v : fields) {
        if (!std::isfinite(v)) return Corvo_Error(where);
    }
    return rec;
}
