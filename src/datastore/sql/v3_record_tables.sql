-- Activity records: promotion exams and Kukkiwon poom/dan exams, absences,
-- merit and penalty points, concentration tests, behaviour notes, requests,
-- awards, badges, exam notices to parents, events, completion certificates,
-- enrolment consultations, and the lookup and letter tables behind them.
-- Dates are "YYYY-MM-DD" text in CHAR(10) columns, as in the member store.
-- Scores and averages start at 0 and are never NULL.
-- Tables keyed by 회원번호 first are found by member through their key, so
-- only a table keyed by something else gets its own index on 회원번호.

-- Promotion exams, one row per member and promotion date. 심사구분 tells a
-- dojang exam (체육관) from a Kukkiwon exam (국기원). E1 to E6 are the scores
-- of the six exam items in T_심사항목.
CREATE TABLE IF NOT EXISTS T_심사 (
  회원번호 VARCHAR(9) NOT NULL,
  승급일자 CHAR(10) NOT NULL,
  심사명 INTEGER,
  심사구분 VARCHAR(255),
  단증번호 VARCHAR(8),
  심사일자 CHAR(10),
  급품코드 VARCHAR(2),
  E1 INTEGER DEFAULT 0 NOT NULL,
  E2 INTEGER DEFAULT 0 NOT NULL,
  E3 INTEGER DEFAULT 0 NOT NULL,
  E4 INTEGER DEFAULT 0 NOT NULL,
  E5 INTEGER DEFAULT 0 NOT NULL,
  E6 INTEGER DEFAULT 0 NOT NULL,
  출석률 INTEGER DEFAULT 0 NOT NULL,
  승벌점 INTEGER DEFAULT 0 NOT NULL,
  평균 INTEGER DEFAULT 0 NOT NULL,
  평가 VARCHAR(10),
  심사결과평가내용 VARCHAR(255),
  PRIMARY KEY (회원번호, 승급일자)
);
CREATE INDEX IF NOT EXISTS IX_심사_심사일자 ON T_심사 (심사일자);

-- Kukkiwon poom and dan promotions, one row per member and grade reached.
CREATE TABLE IF NOT EXISTS T_국기원승품 (
  회원번호 VARCHAR(9) NOT NULL,
  급품코드 VARCHAR(2) NOT NULL,
  부별코드 VARCHAR(2),
  회원명 VARCHAR(10),
  심사명 INTEGER,
  심사일자 CHAR(10),
  응심번호 VARCHAR(255),
  단증번호 VARCHAR(255),
  생년월일 CHAR(10),
  PRIMARY KEY (회원번호, 급품코드)
);
CREATE INDEX IF NOT EXISTS IX_국기원승품_심사일자 ON T_국기원승품 (심사일자);

-- Absences, at most one a day for a member.
CREATE TABLE IF NOT EXISTS T_결석 (
  회원번호 VARCHAR(9) NOT NULL,
  결석일자 CHAR(10) NOT NULL,
  결석사유코드 VARCHAR(2),
  비고 VARCHAR(255),
  비고2 VARCHAR(255),
  PRIMARY KEY (회원번호, 결석일자)
);
CREATE INDEX IF NOT EXISTS IX_결석_결석일자 ON T_결석 (결석일자);

CREATE TABLE IF NOT EXISTS T_결석사유 (
  결석사유코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  결석사유 VARCHAR(255)
);

-- Merit and penalty points given to a member. The points themselves come
-- from the item in T_벌점항목.
CREATE TABLE IF NOT EXISTS T_벌점 (
  회원번호 VARCHAR(9) NOT NULL,
  순번 INTEGER NOT NULL,
  벌점일자 CHAR(10) NOT NULL,
  벌점코드 VARCHAR(2),
  비고2 VARCHAR(255),
  PRIMARY KEY (회원번호, 순번, 벌점일자)
);

-- A positive 벌점수 is a merit, a negative one a penalty.
CREATE TABLE IF NOT EXISTS T_벌점항목 (
  벌점코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  벌점명 VARCHAR(255),
  벌점수 INTEGER DEFAULT 0 NOT NULL
);

-- Concentration tests: the member's own visual, auditory and overall scores
-- beside the averages of the same age, of the period and of everyone.
CREATE TABLE IF NOT EXISTS T_집중도 (
  회원번호 VARCHAR(9) NOT NULL,
  측정일자 CHAR(10) NOT NULL,
  시각본인평균 INTEGER DEFAULT 0 NOT NULL,
  청각본인평균 INTEGER DEFAULT 0 NOT NULL,
  종합본인평균 INTEGER DEFAULT 0 NOT NULL,
  시각나이평균 INTEGER DEFAULT 0 NOT NULL,
  청각나이평균 INTEGER DEFAULT 0 NOT NULL,
  종합나이평균 INTEGER DEFAULT 0 NOT NULL,
  시각기간평균 INTEGER DEFAULT 0 NOT NULL,
  청각기간평균 INTEGER DEFAULT 0 NOT NULL,
  종합기간평균 INTEGER DEFAULT 0 NOT NULL,
  시각전체평균 INTEGER DEFAULT 0 NOT NULL,
  청각전체평균 INTEGER DEFAULT 0 NOT NULL,
  종합전체평균 INTEGER DEFAULT 0 NOT NULL,
  PRIMARY KEY (회원번호, 측정일자)
);

-- Behaviour notes and the ready-made phrases they are usually picked from.
CREATE TABLE IF NOT EXISTS T_생활기록 (
  회원번호 VARCHAR(9) NOT NULL,
  순번 INTEGER NOT NULL,
  기록일자 CHAR(10) NOT NULL,
  생활기록 VARCHAR(255),
  PRIMARY KEY (회원번호, 순번, 기록일자)
);

CREATE TABLE IF NOT EXISTS T_생활기록문항 (
  생활기록코드 INTEGER NOT NULL PRIMARY KEY,
  생활기록문항 VARCHAR(255)
);

-- Requests from members and parents.
CREATE TABLE IF NOT EXISTS T_건의사항 (
  회원번호 VARCHAR(9) NOT NULL,
  순번 INTEGER NOT NULL,
  건의일자 CHAR(10) NOT NULL,
  건의사항 VARCHAR(255),
  PRIMARY KEY (회원번호, 순번, 건의일자)
);

-- Awards given, and the kinds of award with the body lines printed on them.
CREATE TABLE IF NOT EXISTS T_상장지급 (
  회원번호 VARCHAR(9) NOT NULL,
  지급일자 CHAR(10) NOT NULL,
  상장코드 VARCHAR(2),
  순번 INTEGER NOT NULL,
  비고 VARCHAR(255),
  비고2 VARCHAR(255),
  PRIMARY KEY (회원번호, 지급일자, 순번)
);
CREATE INDEX IF NOT EXISTS IX_상장지급_지급일자 ON T_상장지급 (지급일자);

CREATE TABLE IF NOT EXISTS T_상장목록 (
  상장코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  상장명 VARCHAR(255),
  상장내용1 VARCHAR(255),
  상장내용2 VARCHAR(255),
  상장내용3 VARCHAR(255),
  상장내용4 VARCHAR(255),
  상장내용5 VARCHAR(255)
);

-- Badges are earned in code order, one of each kind.
CREATE TABLE IF NOT EXISTS T_뱃지지급 (
  회원번호 VARCHAR(9) NOT NULL,
  뱃지코드 VARCHAR(2) NOT NULL,
  지급일자 CHAR(10),
  PRIMARY KEY (회원번호, 뱃지코드)
);

CREATE TABLE IF NOT EXISTS T_뱃지항목 (
  뱃지코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  뱃지명 VARCHAR(255)
);

-- Notes to parents printed with the exam evaluation, and their phrases.
CREATE TABLE IF NOT EXISTS T_심사평가공지사항 (
  회원번호 VARCHAR(9) NOT NULL,
  순번 INTEGER NOT NULL,
  공지일자 CHAR(10) NOT NULL,
  공지사항 VARCHAR(255),
  PRIMARY KEY (회원번호, 순번, 공지일자)
);

CREATE TABLE IF NOT EXISTS T_심사평가공지사항문항 (
  심사평가공지사항코드 INTEGER NOT NULL PRIMARY KEY,
  심사평가공지사항 VARCHAR(255)
);

-- Event attendance, and the events with the body lines of their
-- participation certificates.
CREATE TABLE IF NOT EXISTS T_행사참가 (
  회원번호 VARCHAR(9) NOT NULL,
  순번 INTEGER NOT NULL,
  참가일자 CHAR(10),
  행사코드 VARCHAR(2),
  비고 VARCHAR(255),
  비고2 VARCHAR(25),
  PRIMARY KEY (회원번호, 순번)
);
CREATE INDEX IF NOT EXISTS IX_행사참가_참가일자 ON T_행사참가 (참가일자);

CREATE TABLE IF NOT EXISTS T_행사목록 (
  행사코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  행사명 VARCHAR(255),
  행사내용1 VARCHAR(255),
  행사내용2 VARCHAR(255),
  행사내용3 VARCHAR(255),
  행사내용4 VARCHAR(255),
  행사내용5 VARCHAR(255)
);

-- Completion certificates, numbered across the whole dojang.
CREATE TABLE IF NOT EXISTS T_수료증지급 (
  회원번호 VARCHAR(9),
  수료번호 INTEGER NOT NULL PRIMARY KEY,
  회원명 VARCHAR(255),
  지급일자 CHAR(10),
  비고 VARCHAR(255)
);
CREATE INDEX IF NOT EXISTS IX_수료증지급_회원번호 ON T_수료증지급 (회원번호);

-- Consultations with families thinking of joining, before there is a member number.
CREATE TABLE IF NOT EXISTS T_입관상담 (
  순번 INTEGER NOT NULL PRIMARY KEY,
  상담일자 CHAR(10),
  수련생명 VARCHAR(10),
  부모명 VARCHAR(10),
  학교 VARCHAR(255),
  학년 VARCHAR(10),
  나이 INTEGER,
  주소 VARCHAR(50),
  우편번호 VARCHAR(7),
  전화번호 VARCHAR(9),
  방문동기 VARCHAR(2),
  상담자 VARCHAR(9),
  상담내역 TEXT,
  예상입관일 CHAR(10)
);
CREATE INDEX IF NOT EXISTS IX_입관상담_상담일자 ON T_입관상담 (상담일자);

-- The six exam items scored as E1 to E6.
CREATE TABLE IF NOT EXISTS T_심사항목 (
  심사항목코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  심사항목명 VARCHAR(255)
);

-- What is trained at each grade, one row per grade code.
CREATE TABLE IF NOT EXISTS T_급별수련내용 (
  급품코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  기본예절 VARCHAR(255),
  기본동작 VARCHAR(255),
  품새 VARCHAR(255),
  발차기 VARCHAR(255),
  정신교육 VARCHAR(255),
  비고1 VARCHAR(255),
  비고2 VARCHAR(255)
);

-- What each exam item tests at each grade, and the four marks of the
-- evaluation sheet.
CREATE TABLE IF NOT EXISTS T_급별심사평가내용 (
  급품코드 VARCHAR(2) NOT NULL PRIMARY KEY,
  E1심사내용 VARCHAR(255),
  E2심사내용 VARCHAR(255),
  E3심사내용 VARCHAR(255),
  E4심사내용 VARCHAR(255),
  E5심사내용 VARCHAR(255),
  E6심사내용 VARCHAR(255),
  평가항목1 VARCHAR(20),
  평가항목2 VARCHAR(20),
  평가항목3 VARCHAR(20),
  평가항목4 VARCHAR(20)
);

-- Result notices to parents: fourteen printed lines for a grade reached.
CREATE TABLE IF NOT EXISTS T_심사결과안내문 (
  심사결과안내코드 INTEGER NOT NULL,
  급품코드 VARCHAR(2) NOT NULL,
  급품코드비고 VARCHAR(255),
  심사결과안내1 VARCHAR(255),
  심사결과안내2 VARCHAR(255),
  심사결과안내3 VARCHAR(255),
  심사결과안내4 VARCHAR(255),
  심사결과안내5 VARCHAR(255),
  심사결과안내6 VARCHAR(255),
  심사결과안내7 VARCHAR(255),
  심사결과안내8 VARCHAR(255),
  심사결과안내9 VARCHAR(255),
  심사결과안내10 VARCHAR(255),
  심사결과안내11 VARCHAR(255),
  심사결과안내12 VARCHAR(255),
  심사결과안내13 VARCHAR(255),
  심사결과안내14 VARCHAR(255),
  PRIMARY KEY (심사결과안내코드, 급품코드)
);

-- Ready-made remarks for the exam result.
CREATE TABLE IF NOT EXISTS T_심사결과평가내용 (
  심사결과평가코드 INTEGER NOT NULL PRIMARY KEY,
  심사결과평가내용 VARCHAR(255)
);

-- Letters to families. The table holds a single row.
CREATE TABLE IF NOT EXISTS T_가정통신문 (
  개인 TEXT,
  단체 TEXT,
  심사 TEXT,
  심사신청서내용 TEXT,
  체력측정평가 TEXT
);
