-- Sample reels: common steel and wooden cable drum sizes.
-- name, flange diameter, barrel diameter, barrel width, winding margin, width coefficient
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ630',  630,  315,  355, 30, 0.95, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ800',  800,  400,  500, 40, 0.95, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ1000', 1000, 500,  600, 50, 0.95, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ1200', 1200, 600,  700, 50, 0.95, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ1400', 1400, 710,  750, 60, 0.95, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ1600', 1600, 800,  900, 60, 0.95, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ1800', 1800, 900,  1000, 70, 0.92, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ2000', 2000, 1000, 1120, 80, 0.92, '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ2200', 2200, 1200, 1180, 80, 0.9,  '0');
INSERT INTO t_ravlen (FName, FWJ, FNJ, FKD, FYL, FXS, FModelID) VALUES ('φ2500', 2500, 1400, 1400, 100, 0.9, '0');
