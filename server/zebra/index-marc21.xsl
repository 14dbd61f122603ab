<?xml version="1.0" encoding="UTF-8"?>
<!-- What Zebra indexes of a marc21 record: the ISBN as words, so that
     "9780814727355 (cloth)" and "0152038655 :" are found by the number alone.
     MARC 21 keeps the ISBN in 020 $a, an invalid one in $z. -->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform"
    xmlns:m="http://www.loc.gov/MARC21/slim" xmlns:z="http://indexdata.com/zebra-2.0">
  <xsl:output method="xml" encoding="UTF-8"/>
  <xsl:template match="text()"/>
  <xsl:template match="/m:record">
    <z:record>
      <xsl:for-each select="m:datafield[@tag='020']/m:subfield[@code='a' or @code='z']">
        <z:index name="ISBN:w"><xsl:value-of select="."/></z:index>
      </xsl:for-each>
    </z:record>
  </xsl:template>
</xsl:stylesheet>
