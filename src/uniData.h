#pragma once

#include "CatalogueConnection.h"
#include "CatalogueQuery.h"

#include <QString>

// Every statement the program sends to the catalogue. Keys and values are
// bound to the named placeholders.
namespace ReelSql {

// All reels, in the store's own order.
inline const QString kSelectAllReels = QStringLiteral("select * from t_ravlen");
// One reel by key (:key).
inline const QString kSelectReel = QStringLiteral("select * from t_ravlen where FItemID=:key");

// A new reel (:name and the five values); the store assigns its key.
inline const QString kInsertReel =
    QStringLiteral("insert into t_ravlen(FName,FWJ,FNJ,FKD,FYL,FXS,FModelID)values(:name,:wj,:nj,:kd,:yl,:xs,'0')");
// A changed reel (:name, the five values, :key).
inline const QString kUpdateReel = QStringLiteral(
    "Update t_ravlen set FName=:name,FWJ=:wj,FNJ=:nj,FKD=:kd,FYL=:yl,FXS=:xs,FModelID='0' where FItemID=:key");
// A reel deleted (:key).
inline const QString kDeleteReel = QStringLiteral("delete from t_ravlen where FItemID=:key");

// The figures of a calculation run for one reel (:value, :key).
inline const QString kStoreLayers = QStringLiteral("update t_ravlen set FCS=:value where FItemID=:key");
inline const QString kStoreTurns = QStringLiteral("update t_ravlen set FQS=:value where FItemID=:key");
inline const QString kStoreLengthConservative = QStringLiteral("update t_ravlen set FQtyBS=:value where FItemID=:key");
inline const QString kStoreLengthNested = QStringLiteral("update t_ravlen set FQtyQR=:value where FItemID=:key");

// Every reel with its stored lengths, shortest first.
inline const QString kSelectByLengthConservative =
    QStringLiteral("select FItemID,FQtyBS,FQtyQR from t_ravlen order by FQtyBS ASC");
inline const QString kSelectByLengthNested =
    QStringLiteral("select FItemID,FQtyBS,FQtyQR from t_ravlen order by FQtyQR ASC");

// A reel key text as the store compares it with FItemID.
CatalogueQuery::Value KeyValue(const QString& key);

} // namespace ReelSql

// The data container: the connection to the catalogue and the one statement
// object every part of the program uses, both alive for the whole run.
class TfrmData {
public:
    TfrmData();
    ~TfrmData();
    TfrmData(const TfrmData&) = delete;
    TfrmData& operator=(const TfrmData&) = delete;

    CatalogueConnection CONN;
    CatalogueQuery Q1;
};
