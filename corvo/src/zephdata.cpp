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
