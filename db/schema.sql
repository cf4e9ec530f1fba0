-- The tables of the Orvanta ERP that the order printing job reads, with the
-- columns it uses and the ones an ERP keeps beside them. The database's
-- default character set is WIN1252; money is NUMERIC, never floating point.

CREATE TABLE SISTEMAEMPRESAS (
    EMPRESA             INTEGER NOT NULL,
    NOMBRE              VARCHAR(60) NOT NULL,
    RAZONSOCIAL         VARCHAR(100),
    NIF                 VARCHAR(20),
    SIGLA               VARCHAR(10),
    DOMICILIO           VARCHAR(100),
    NUMERO              VARCHAR(10),
    CODIGOPOSTAL        VARCHAR(10),
    POBLACION           VARCHAR(60),
    PROVINCIA           VARCHAR(60),
    PAIS                VARCHAR(60),
    TELEFONO            VARCHAR(20),
    FAX                 VARCHAR(20),
    EMAIL               VARCHAR(100),
    WEB                 VARCHAR(100),
    REGISTROMERCANTIL   VARCHAR(200),
    CAPITALSOCIAL       NUMERIC(15,2),
    LOGO                BLOB SUB_TYPE 0 SEGMENT SIZE 8192,
    FECHAHORALTA        TIMESTAMP,
    CONSTRAINT PK_SISTEMAEMPRESAS PRIMARY KEY (EMPRESA)
);

CREATE TABLE SISTEMAUSUARIOS (
    USUARIO             VARCHAR(30) NOT NULL,
    NOMBRE              VARCHAR(60),
    EMAIL               VARCHAR(100),
    EMPRESA             INTEGER,
    DEPARTAMENTO        VARCHAR(40),
    ACTIVO              SMALLINT DEFAULT 1 NOT NULL,
    FECHAHORALTA        TIMESTAMP,
    ULTIMOACCESO        TIMESTAMP,
    CONSTRAINT PK_SISTEMAUSUARIOS PRIMARY KEY (USUARIO)
);

CREATE TABLE CLIENTES (
    EMPRESA             INTEGER NOT NULL,
    CLIENTE             VARCHAR(15) NOT NULL,
    OBRA                INTEGER DEFAULT 0 NOT NULL,
    NOMBRE              VARCHAR(60),
    RAZONSOCIAL         VARCHAR(100),
    SIGLA               VARCHAR(10),
    DOMICILIO           VARCHAR(100),
    NUMERO              VARCHAR(10),
    ESCALERA            VARCHAR(10),
    PISO                VARCHAR(10),
    PUERTA              VARCHAR(10),
    MANO                VARCHAR(10),
    CODIGOPOSTAL        VARCHAR(10),
    POBLACION           VARCHAR(60),
    PROVINCIA           VARCHAR(60),
    PAIS                VARCHAR(60),
    NIF                 VARCHAR(20),
    TELEFONO            VARCHAR(20),
    EMAIL               VARCHAR(100),
    FECHAHORALTA        TIMESTAMP,
    CONSTRAINT PK_CLIENTES PRIMARY KEY (EMPRESA, CLIENTE, OBRA)
);

CREATE TABLE ARTICULOS (
    EMPRESA             INTEGER NOT NULL,
    ARTICULO            VARCHAR(20) NOT NULL,
    DESCRIPCION         VARCHAR(100),
    FAMILIA             VARCHAR(10),
    UNIDADMEDIDA        VARCHAR(10),
    PRECIOCOSTE         NUMERIC(15,4),
    PRECIOVENTA         NUMERIC(15,4),
    PORCIVA             NUMERIC(5,2),
    ACTIVO              SMALLINT DEFAULT 1 NOT NULL,
    CONSTRAINT PK_ARTICULOS PRIMARY KEY (EMPRESA, ARTICULO)
);

CREATE TABLE APKPEDIDOS (
    EMPRESA                     INTEGER NOT NULL,
    PEDIDO                      INTEGER NOT NULL,
    PROVEEDOR                   VARCHAR(15) NOT NULL,
    FECHA                       DATE,
    HORA                        TIME,
    CLIENTE                     VARCHAR(15),
    OBRA                        INTEGER,
    OBSERVACIONES               VARCHAR(1000),
    FECHAHORALTA                TIMESTAMP,
    FECHAHORMODIFICACION        TIMESTAMP,
    ESTADO                      SMALLINT DEFAULT 0 NOT NULL,
    ESTADOSITUACION             VARCHAR(20),
    USUARIOALTA                 VARCHAR(30),
    USUARIOFECHAALTA            DATE,
    USUARIOHORAALTA             TIME,
    USUARIOMODIFICACION         VARCHAR(30),
    USUARIOFECHAMODIFICACION    DATE,
    USUARIOHORAMODIFICACION     TIME,
    REFERENCIAPROVEEDOR         VARCHAR(30),
    FECHAENTREGA                DATE,
    CONSTRAINT PK_APKPEDIDOS PRIMARY KEY (EMPRESA, PROVEEDOR, PEDIDO)
);

CREATE TABLE APKPEDIDODETALLE (
    EMPRESA                 INTEGER NOT NULL,
    PEDIDO                  INTEGER NOT NULL,
    PROVEEDOR               VARCHAR(15) NOT NULL,
    LINEA                   INTEGER NOT NULL,
    ARTICULO                VARCHAR(20),
    UNIDADES                NUMERIC(15,3),
    NUMEROMULTIPLOS         SMALLINT,
    MULTIPLO1               NUMERIC(15,3),
    MULTIPLO2               NUMERIC(15,3),
    MULTIPLO3               NUMERIC(15,3),
    CANTIDAD                NUMERIC(15,3),
    PRECIO                  NUMERIC(15,4),
    DESCUENTO1              NUMERIC(5,2),
    DESCUENTO2              NUMERIC(5,2),
    DESCUENTO3              NUMERIC(5,2),
    IMPORTE                 NUMERIC(15,2),
    OBSERVACIONES           VARCHAR(500),
    TALLA                   VARCHAR(10),
    COLOR                   VARCHAR(20),
    FECHAHORALTA            TIMESTAMP,
    FECHAHORMODIFICACION    TIMESTAMP,
    DESCUENTO4              NUMERIC(5,2),
    DESCUENTO5              NUMERIC(5,2),
    PORCIVA                 NUMERIC(5,2),
    CUOTAIVA                NUMERIC(15,2),
    PORCRECARGO             NUMERIC(5,2),
    CUOTARECARGO            NUMERIC(15,2),
    PORCRETENCION           NUMERIC(5,2),
    CUOTARETENCION          NUMERIC(15,2),
    BASEIMPONIBLE           NUMERIC(15,2),
    IMPORTEBRUTO            NUMERIC(15,2),
    FORMATO                 VARCHAR(20),
    ESTADO                  SMALLINT DEFAULT 0 NOT NULL,
    ALMACEN                 VARCHAR(10),
    CONSTRAINT PK_APKPEDIDODETALLE PRIMARY KEY (EMPRESA, PROVEEDOR, PEDIDO, LINEA)
);

-- Report templates: one row per document type and name. Nothing keeps the
-- pair unique, so the job takes the first row the server returns.
CREATE TABLE SistemaCFGDocumentos (
    ID                      INTEGER NOT NULL,
    TIPODOC                 INTEGER NOT NULL,
    NOMBRE                  VARCHAR(60) NOT NULL,
    DESCRIPCION             VARCHAR(200),
    DISENYO                 BLOB SUB_TYPE 0 SEGMENT SIZE 8192,
    DOTMATRIX               SMALLINT DEFAULT 0 NOT NULL,
    COPIAS                  SMALLINT DEFAULT 1 NOT NULL,
    IMPRESORA               VARCHAR(100),
    FECHAHORMODIFICACION    TIMESTAMP,
    CONSTRAINT PK_SISTEMACFGDOCUMENTOS PRIMARY KEY (ID)
);
CREATE INDEX IX_SISTEMACFGDOCUMENTOS_TIPO ON SistemaCFGDocumentos (TIPODOC, NOMBRE);

-- The job's own login reads and nothing else.
GRANT SELECT ON SISTEMAEMPRESAS TO USER QUERNSTAD;
GRANT SELECT ON SISTEMAUSUARIOS TO USER QUERNSTAD;
GRANT SELECT ON CLIENTES TO USER QUERNSTAD;
GRANT SELECT ON ARTICULOS TO USER QUERNSTAD;
GRANT SELECT ON APKPEDIDOS TO USER QUERNSTAD;
GRANT SELECT ON APKPEDIDODETALLE TO USER QUERNSTAD;
GRANT SELECT ON SistemaCFGDocumentos TO USER QUERNSTAD;

COMMIT;
