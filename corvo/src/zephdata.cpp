#include "corvo/zephdata.h"

CZephData::CZephData()
    : Style(STYLE(3)),
      N(1),
      Db(0),
      Db1(0),
      Db2(0),
      Wb(0),
      Rh(0),
      Dp(0),
      Hi(0),
      Xi(0),
      Xi1(0),
      Xi2(0),
      Px(0),
      Dn(0),
      Mt(0) {}

CZephData::CZephData(const CZephData& other) = default;

CZephData::~CZephData() = default;

CZephData CZephData::operator=(const CZephData& other) {
    Style = other.Style;
    N = other.N;
    Pn = other.Pn;
    Db = other.Db;
    Db1 = other.Db1;
    Db2 = other.Db2;
    Wb = other.Wb;
    Rh = other.Rh;
    Dp = other.Dp;
    Hi = other.Hi;
    Xi = other.Xi;
    Xi1 = other.Xi1;
    Xi2 = other.Xi2;
    Px = other.Px;
    Dn = other.Dn;
    Mt = other.Mt;
    return *this;
}

_CORVO CZephData::GetValues() const {
    return _CORVO{Db, Db1, Db2, Wb, Rh, Dp, Hi, Xi, Xi1, Xi2, Px, Dn, Mt};
}

void CZephData::SetValues(const _CORVO& v) {
    Db = v.Db;
    Db1 = v.Db1;
    Db2 = v.Db2;
    Wb = v.Wb;
    Rh = v.Rh;
    Dp = v.Dp;
    Hi = v.Hi;
    Xi = v.Xi;
    Xi1 = v.Xi1;
    Xi2 = v.Xi2;
    Px = v.Px;
    Dn = v.Dn;
    Mt = v.Mt;
}
