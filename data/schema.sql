-- The reel catalogue: one row per cable reel (drum).
-- Dimensions in mm; FXS is the share of the barrel width usable for turns.
-- FCS, FQS, FQtyBS and FQtyQR hold the figures of the last calculation run
-- (layers, turns per layer, conservative and nested length in m).
CREATE TABLE t_ravlen (
    FItemID  INTEGER PRIMARY KEY AUTOINCREMENT CHECK (FItemID <> 0),
    FName    TEXT,
    FWJ      REAL,
    FNJ      REAL,
    FKD      REAL,
    FYL      REAL,
    FXS      REAL,
    FModelID TEXT,
    FCS      REAL,
    FQS      REAL,
    FQtyBS   REAL,
    FQtyQR   REAL
);
