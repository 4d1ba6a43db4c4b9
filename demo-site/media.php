<!DOCTYPE html>
<html lang="zh-CN">
<head><meta charset="utf-8"><title>Zarnith 充值中心</title></head>
<body style="font-family: 'Microsoft YaHei', sans-serif; background: #101824; color: #e8e2d0; padding: 40px">
<h1 style="color: #f4c46a">充值中心</h1>
<p>演示站点不收取任何费用。</p>
</body>
</html>
