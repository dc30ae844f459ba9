// Calls into both installed libraries and checks the answers.
#include <cstdio>

#include <corvo/calc.h>
#include <corvo/corvofunction.h>
#include <tolvex/checkdata.h>
#include <tolvex/date.h>

int main() {
    const CCheckData check;
    if (check.nci(2, 1234.5678) != "1,234.56") {
        std::puts("tolvex: CCheckData::nci gave a wrong text");
        return 1;
    }
    if (CDate().DaysCal(2024, 3, 1) != 61) {
        std::puts("tolvex: CDate::DaysCal gave a wrong day");
        return 1;
    }

    // Saturation pressure at 20 °C is 23.39 hPa.
    const double pw = CCorvoFunction().Vpre(20);
    if (!(pw > 23.3 && pw < 23.5)) {
        std::puts("corvo: CCorvoFunction::Vpre gave a wrong pressure");
        return 1;
    }
    CDataManager fields;
    fields.SetStrDb("26");
    fields.SetStrRh("50");
    if (!CCalc().EnableCalCheck(&fields)) {
        std::puts("corvo: CCalc::EnableCalCheck refused two filled fields");
        return 1;
    }
    std::puts("installed corvo and tolvex work");
    return 0;
}
