-- Member store: members, families, the dojang record, code tables and the
-- report scratch table. Dates are kept as "YYYY-MM-DD" text in CHAR(10)
-- columns (text affinity, so SQLite never turns them into numbers).
-- Every statement is idempotent so that a file missing some tables gets them
-- without losing what it already holds.

CREATE TABLE IF NOT EXISTS T_회원 (
  회원번호 VARCHAR(9) NOT NULL PRIMARY KEY,
  회원명 VARCHAR(10),
  회원명영 VARCHAR(30),
  회원명한문 VARCHAR(10),
  성별 VARCHAR(2),
  부별코드 VARCHAR(2),
  급품코드 VARCHAR(2),
  주민등록번호 VARCHAR(14),
  양력음력 VARCHAR(2),
  생년월일 CHAR(10),
  지역코드 INTEGER,
  입관일 CHAR(10),
  최초입관일 CHAR(10),
  퇴관일 CHAR(10),
  퇴관사유코드 VARCHAR(2),
  휴관일 CHAR(10),
  휴관사유코드 VARCHAR(2),
  복관일휴 CHAR(10),
  복관일퇴 CHAR(10),
  최종휴관일 CHAR(10),
  최종퇴관일 CHAR(10),
  최종휴관사유코드 VARCHAR(2),
  최종퇴관사유코드 VARCHAR(2),
  전화번호 VARCHAR(9),
  핸드폰번호 VARCHAR(20),
  이메일 VARCHAR(50),
  우편번호 VARCHAR(7),
  주소 VARCHAR(50),
  학교 VARCHAR(20),
  학년 VARCHAR(10),
  반 VARCHAR(2),
  타학원수강 VARCHAR(200),
  기타사항 VARCHAR(255),
  납부일자 INTEGER,
  수련비 INTEGER,
  납부은행 VARCHAR(10),
  입관동기코드 VARCHAR(2),
  코스코드 VARCHAR(1),
  장소코드 VARCHAR(2),
  시간 VARCHAR(5)
);
CREATE INDEX IF NOT EXISTS IX_회원_회원명 ON T_회원 (회원명);
CREATE INDEX IF NOT EXISTS IX_회원_부별코드 ON T_회원 (부별코드);

CREATE TABLE IF NOT EXISTS T_가족사항 (
  회원번호 VARCHAR(9) NOT NULL,
  순번 INTEGER NOT NULL,
  관계 VARCHAR(8),
  성명 VARCHAR(20),
  생일 CHAR(10),
  양력음력 VARCHAR(2),
  직업 VARCHAR(20),
  비고 VARCHAR(255),
  결혼기념일 CHAR(10),
  PRIMARY KEY (회원번호, 순번)
);

CREATE TABLE IF NOT EXISTS T_도장정보 (
  도장명 VARCHAR(50),
  도장명영 VARCHAR(50),
  구 VARCHAR(20),
  관장명 VARCHAR(20),
  단 VARCHAR(20),
  단증번호 VARCHAR(20),
  전화번호 VARCHAR(20),
  주소 VARCHAR(100),
  사업자등록번호 VARCHAR(20),
  인사말 TEXT,
  태권도협회 VARCHAR(50),
  단체가입번호 VARCHAR(20),
  납부은행 VARCHAR(100),
  메인화면 VARCHAR(8),
  메인화면체크유무 VARCHAR(1),
  수련비화면 VARCHAR(8),
  수련비화면체크유무 VARCHAR(1),
  금전출납화면 VARCHAR(8),
  금전출납화면체크유무 VARCHAR(1),
  상장발부 INTEGER DEFAULT 0 NOT NULL,
  급증발부 INTEGER DEFAULT 0 NOT NULL,
  수료증발부 INTEGER DEFAULT 0 NOT NULL,
  수료증내용1 VARCHAR(100),
  수료증내용2 VARCHAR(100),
  수료증내용3 VARCHAR(100),
  수료증내용4 VARCHAR(100),
  수료증내용5 VARCHAR(100)
);

CREATE TABLE IF NOT EXISTS T_부별코드 (
  부별코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  부명 VARCHAR(20),
  수련비 INTEGER
);

CREATE TABLE IF NOT EXISTS T_급품코드 (
  급품코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  급품명 VARCHAR(10),
  띠색 VARCHAR(6)
);

CREATE TABLE IF NOT EXISTS T_학년코드 (
  학년코드 INTEGER NOT NULL PRIMARY KEY,
  학년 VARCHAR(10)
);

CREATE TABLE IF NOT EXISTS T_지역코드 (
  지역코드 INTEGER NOT NULL PRIMARY KEY,
  지역명 VARCHAR(30)
);

CREATE TABLE IF NOT EXISTS T_우편번호 (
  우편번호 VARCHAR(7) NOT NULL,
  동 VARCHAR(50) NOT NULL,
  PRIMARY KEY (우편번호, 동)
);

CREATE TABLE IF NOT EXISTS T_입관동기 (
  사유코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  사유명 VARCHAR(10)
);

CREATE TABLE IF NOT EXISTS T_휴퇴사유 (
  휴퇴사유코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  휴퇴사유 VARCHAR(50)
);

CREATE TABLE IF NOT EXISTS T_코스코드 (
  코스코드 VARCHAR(1) NOT NULL PRIMARY KEY,
  코스이름 VARCHAR(20)
);

CREATE TABLE IF NOT EXISTS T_장소코드 (
  코스코드 VARCHAR(1) NOT NULL,
  장소코드 VARCHAR(2) NOT NULL,
  장소 VARCHAR(20),
  코스이름비고 VARCHAR(20),
  PRIMARY KEY (코스코드, 장소코드)
);

CREATE TABLE IF NOT EXISTS T_시간코드 (
  코스코드 VARCHAR(1) NOT NULL,
  장소코드 VARCHAR(2) NOT NULL,
  시간 VARCHAR(5) NOT NULL,
  코스이름비고 VARCHAR(20),
  장소비고 VARCHAR(30),
  PRIMARY KEY (코스코드, 장소코드, 시간)
);

-- Fee payments: the member-number rule skips numbers that still have
-- payments left behind by a deleted member, so the table belongs here.
CREATE TABLE IF NOT EXISTS T_수련비납부 (
  회원번호 VARCHAR(9) NOT NULL,
  년월분 VARCHAR(6) NOT NULL,
  순번 INTEGER,
  납부일자 CHAR(10),
  납부액 INTEGER,
  비고 VARCHAR(255),
  PRIMARY KEY (회원번호, 년월분)
);
CREATE INDEX IF NOT EXISTS IX_수련비납부_년월분 ON T_수련비납부 (년월분);
